#include "appointments/AppointmentLine.h"

#include "reports/ListLine.h"
#include "storage/TSchedaAppuntamento.h"

QString AppointmentLine::of(const char* record)
{
    using Field = TSchedaAppuntamento::Field;
    const auto field = [record](Field f) { return TSchedaAppuntamento::load(record, f); };
    QString line = QStringLiteral("Data: ");
    ListLine::appendColumn(line, field(Field::Data), 10);
    line += QStringLiteral("  Ora: ");
    ListLine::appendColumn(line, field(Field::Ora), 5);
    line += QStringLiteral("  ");
    ListLine::appendColumn(line, field(Field::Causale), 42);
    line += QStringLiteral("  Cliente: ");
    ListLine::appendColumn(line, field(Field::Contatto), 30);
    line += QStringLiteral("  Cel. ");
    ListLine::appendColumn(line, field(Field::Cel), 14);
    line += QStringLiteral("  Importo: \u20AC ");
    ListLine::appendLast(line, field(Field::Importo));
    return line;
}
