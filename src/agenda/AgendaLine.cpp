#include "agenda/AgendaLine.h"

#include "agenda/AgendaSelection.h"
#include "reports/ListLine.h"
#include "storage/TSchedaAppuntamento.h"

QString AgendaLine::fromRecord(const char* record)
{
    using Field = TSchedaAppuntamento::Field;
    TSchedaAppuntamento appointment;
    for (Field field : {Field::Data, Field::OreApp, Field::MinutiApp, Field::Ora, Field::Contatto, Field::Cel,
                        Field::Causale, Field::Importo})
        appointment[field] = TSchedaAppuntamento::load(record, field);

    QString line;
    line.reserve(160);
    line += QLatin1String("ID: ");
    line += AgendaSelection::sortKey(appointment);
    line += QLatin1String("  Data: ");
    ListLine::appendColumn(line, appointment.Data, 10);
    line += QLatin1String("  Ora: ");
    ListLine::appendColumn(line, appointment.Ora, 5);
    line += QLatin1String("  ");
    ListLine::appendColumn(line, appointment.Contatto, 30);
    line += QLatin1String("  Cel. ");
    ListLine::appendColumn(line, appointment.Cel, 14);
    line += QLatin1String("  ");
    ListLine::appendColumn(line, appointment.Causale, 42);
    line += QStringLiteral("  \u20AC ");
    ListLine::appendLast(line, appointment.Importo);
    return line;
}
