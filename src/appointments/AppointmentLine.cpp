#include "appointments/AppointmentLine.h"

#include "storage/TSchedaAppuntamento.h"

void AppointmentLine::append(ListLines& lines, qint64 position, const char* record)
{
    using Field = TSchedaAppuntamento::Field;
    static const ListLine::Layout columns{{"Data: ", 10},         {"  Ora: ", 5},  {"  ", 42},
                                          {"  Cliente: ", 30},     {"  Cel. ", 14},
                                          {"  Importo: " CP1252_EURO " ", ListLine::Unpadded}};
    const auto field = [record](Field f) { return TSchedaAppuntamento::raw(record, f); };
    lines.appendStored(position, columns,
                       {field(Field::Data), field(Field::Ora), field(Field::Causale), field(Field::Contatto),
                        field(Field::Cel), field(Field::Importo)});
}
