#pragma once

// The list screens' core functions that are still being built on their own
// branches, copied as they stand there, until they reach main:
// AppointmentLine, StatusList, AppointmentSearch (branch lists) and
// ClientListLine, ClientSearch, Recontact (branch clientlists).

#include "reports/AsciiCase.h"
#include "reports/ListLines.h"
#include "storage/TSchedaAppuntamento.h"
#include "storage/TSchedaCliente.h"

#include <QDate>
#include <QList>
#include <QStringList>

namespace PendingCore {
class SearchCriteria final
{
public:
    explicit SearchCriteria(const QStringList& boxes);
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

QString appointmentLine(const char* record);
enum class Kind { Fulfilled, ToFulfil, Expired };
ListLines statusList(Kind kind, const QDate& today);
ListLines appointmentSearch(const SearchCriteria& criteria);

QString clientLine(const char* record, TSchedaCliente::Field last);
ListLines clientSearch(const SearchCriteria& criteria);
ListLines recontact();
} // namespace PendingCore
