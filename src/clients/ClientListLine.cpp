#include "clients/ClientListLine.h"

using Field = TSchedaCliente::Field;

void ClientListLine::append(ListLines& lines, qint64 position, const char* record, Field last)
{
    static const ListLine::Layout columns{
        {"", 26}, {"  Tel. ", 15}, {"  ", 25}, {"  Prod. ", 30}, {"  ", ListLine::Unpadded}};
    const auto field = [record](Field f) { return TSchedaCliente::raw(record, f); };
    lines.appendStored(position, columns,
                       {field(Field::Cliente), field(Field::Recapito), field(Field::Occupazione),
                        field(Field::Prodotti), field(last)});
}
