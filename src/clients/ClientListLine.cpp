#include "clients/ClientListLine.h"

using Field = TSchedaCliente::Field;

void ClientListLine::append(ListLines& lines, qint64 position, const char* record, Field last)
{
    const auto field = [record](Field f) { return TSchedaCliente::raw(record, f); };
    lines.appendStored(position, {{u"", field(Field::Cliente), 26},
                                  {u"  Tel. ", field(Field::Recapito), 15},
                                  {u"  ", field(Field::Occupazione), 25},
                                  {u"  Prod. ", field(Field::Prodotti), 30},
                                  {u"  ", field(last), ListLine::Unpadded}});
}
