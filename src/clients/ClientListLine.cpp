#include "clients/ClientListLine.h"

using Field = TSchedaCliente::Field;

void ClientListLine::append(ListLines& lines, qint64 position, const char* record, Field last)
{
    const auto field = [record](Field f) { return TSchedaCliente::raw(record, f); };
    lines.appendStored(position, {{"", field(Field::Cliente), 26},
                                  {"  Tel. ", field(Field::Recapito), 15},
                                  {"  ", field(Field::Occupazione), 25},
                                  {"  Prod. ", field(Field::Prodotti), 30},
                                  {"  ", field(last), ListLine::Unpadded}});
}
