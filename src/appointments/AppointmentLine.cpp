#include "appointments/AppointmentLine.h"

#include "storage/TSchedaAppuntamento.h"

void AppointmentLine::append(ListLines& lines, qint64 position, const char* record)
{
    using Field = TSchedaAppuntamento::Field;
    const auto field = [record](Field f) { return TSchedaAppuntamento::raw(record, f); };
    lines.appendStored(position, {{u"Data: ", field(Field::Data), 10},
                                  {u"  Ora: ", field(Field::Ora), 5},
                                  {u"  ", field(Field::Causale), 42},
                                  {u"  Cliente: ", field(Field::Contatto), 30},
                                  {u"  Cel. ", field(Field::Cel), 14},
                                  {u"  Importo: \u20AC ", field(Field::Importo), ListLine::Unpadded}});
}
