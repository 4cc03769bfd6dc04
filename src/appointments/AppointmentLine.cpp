#include "appointments/AppointmentLine.h"

#include "storage/TSchedaAppuntamento.h"

void AppointmentLine::append(ListLines& lines, qint64 position, const char* record)
{
    using Field = TSchedaAppuntamento::Field;
    const auto field = [record](Field f) { return TSchedaAppuntamento::raw(record, f); };
    lines.appendStored(position, {{"Data: ", field(Field::Data), 10},
                                  {"  Ora: ", field(Field::Ora), 5},
                                  {"  ", field(Field::Causale), 42},
                                  {"  Cliente: ", field(Field::Contatto), 30},
                                  {"  Cel. ", field(Field::Cel), 14},
                                  {"  Importo: " CP1252_EURO " ", field(Field::Importo), ListLine::Unpadded}});
}
