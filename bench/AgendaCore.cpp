#include "AgendaCore.h"

#include "agenda/AgendaSelection.h"
#include "reports/ListLine.h"
#include "storage/RecordFile.h"
#include "storage/TSchedaAppuntamento.h"

QString AgendaCore::line(const char* record)
{
    // The agenda's line, as the agenda screen builds it.
    using Field = TSchedaAppuntamento::Field;
    TSchedaAppuntamento appointment;
    for (Field field : {Field::Data, Field::OreApp, Field::MinutiApp, Field::Ora, Field::Contatto, Field::Cel,
                        Field::Causale, Field::Importo})
        appointment[field] = TSchedaAppuntamento::load(record, field);
    return line(appointment);
}

QString AgendaCore::line(const TSchedaAppuntamento& appointment)
{
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

ListLines AgendaCore::imminentLines(const QDate& today)
{
    const AgendaSelection::Rule imminent = AgendaSelection::imminent(today);
    ListLines lines;
    RecordFile::forEach(TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size,
                        [&](qint64 index, const char* record) {
                            if (imminent(record))
                                lines.append(line(record), index + 1);
                            return true;
                        });
    return lines;
}
