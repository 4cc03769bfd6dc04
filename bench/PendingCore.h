#pragma once

// The list screens' core functions that are still being built on their own
// branches (AppointmentLine, StatusList, AppointmentSearch and SearchCriteria
// on "lists"; ClientListLine, ClientSearch and Recontact on "clientlists"),
// with the same lines and the same rules, written with the core's fast
// primitives: lines built in place from the stored bytes, flags and criteria
// compared on the stored bytes.

#include "reports/ListLines.h"
#include "storage/TSchedaCliente.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <optional>

namespace PendingCore {
// A record is listed when the text of every filled box (trimmed, not empty),
// with A-Z lowered but not trimmed, occurs in its field lowered the same way.
class SearchCriteria final
{
public:
    explicit SearchCriteria(const QStringList& boxes);
    // fieldOf(box) gives the stored bytes of the field the box searches.
    template <class FieldOf> bool matches(FieldOf&& fieldOf) const;

private:
    struct Filled
    {
        int box;
        // Empty when the text holds a character the archive cannot hold.
        std::optional<QByteArray> stored;
    };
    QList<Filled> m_filled;
};

enum class Kind { Fulfilled, ToFulfil, Expired };
ListLines statusList(Kind kind, const QDate& today);
ListLines appointmentSearch(const SearchCriteria& criteria);
ListLines clientSearch(const SearchCriteria& criteria);
ListLines recontact();
} // namespace PendingCore

#include "reports/AsciiCase.h"

template <class FieldOf> bool PendingCore::SearchCriteria::matches(FieldOf&& fieldOf) const
{
    for (const Filled& criterion : m_filled)
        if (!criterion.stored || !AsciiCase::contains(fieldOf(criterion.box), QByteArrayView(*criterion.stored)))
            return false;
    return true;
}
