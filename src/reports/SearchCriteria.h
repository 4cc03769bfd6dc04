#pragma once

#include "reports/AsciiCase.h"
#include "storage/CountedText.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

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

    // fieldOf(box) gives the stored bytes of the record's field searched by the
    // box at that index (for example TSchedaCliente::raw); it is asked only for
    // filled boxes. The fields are matched as stored, without decoding them.
    template <class FieldOf> bool matches(FieldOf&& fieldOf) const
    {
        for (const Filled& criterion : m_filled)
            if (!criterion.stored ||
                !AsciiCase::contains(CountedText::trimmed(fieldOf(criterion.box)), QByteArrayView(*criterion.stored)))
                return false;
        return true;
    }

private:
    struct Filled
    {
        int box;
        // The lowered text in the archives' code page; nothing when the text
        // holds a character no archive can hold, which then occurs nowhere.
        std::optional<QByteArray> stored;
    };
    QList<Filled> m_filled;
};
