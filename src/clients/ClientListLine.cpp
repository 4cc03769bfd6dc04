#include "clients/ClientListLine.h"

#include "reports/ListLine.h"

using Field = TSchedaCliente::Field;

QString ClientListLine::of(const char* record, Field last)
{
    QString line;
    line.reserve(115 + TSchedaCliente::spec(last).capacity);
    ListLine::appendColumn(line, TSchedaCliente::load(record, Field::Cliente), 26);
    line += QStringLiteral("  Tel. ");
    ListLine::appendColumn(line, TSchedaCliente::load(record, Field::Recapito), 15);
    line += QStringLiteral("  ");
    ListLine::appendColumn(line, TSchedaCliente::load(record, Field::Occupazione), 25);
    line += QStringLiteral("  Prod. ");
    ListLine::appendColumn(line, TSchedaCliente::load(record, Field::Prodotti), 30);
    line += QStringLiteral("  ");
    ListLine::appendLast(line, TSchedaCliente::load(record, last));
    return line;
}
