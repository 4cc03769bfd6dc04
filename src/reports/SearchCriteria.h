#pragma once

#include "reports/AsciiCase.h"

#include <QList>
#include <QString>
#include <QStringList>

// The criteria of a search form (the client search, the appointment search):
// the text of each criterion box, in the boxes' order. A box is filled when its
// text, trimmed, is not empty. A record is listed when the text of every filled
// box, with A-Z lowered but not trimmed, occurs in the field that box searches,
// lowered the same way: filled boxes combine with AND, and with none filled
// every record is listed. A box holding only blanks is not filled and takes no
// part, so it can never let through a record that a filled box rejects.
class SearchCriteria final
{
public:
    explicit SearchCriteria(const QStringList& boxes);

    // The number of filled boxes (the form's lblConta).
    int filledCount() const { return int(m_filled.size()); }

    // fieldOf(box) gives the record's field searched by the box at that index
    // (something a QStringView can be made of); it is asked only for filled boxes.
    template <class FieldOf> bool matches(FieldOf&& fieldOf) const
    {
        for (const Filled& criterion : m_filled)
            if (!AsciiCase::contains(fieldOf(criterion.box), criterion.lowered))
                return false;
        return true;
    }

private:
    struct Filled
    {
        int box;
        QString lowered;
    };
    QList<Filled> m_filled;
};
