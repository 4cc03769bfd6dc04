#include "agenda/AgendaList.h"

#include "agenda/AgendaSelection.h"
#include "reports/ListLine.h"
#include "storage/RecordFile.h"
#include "storage/TSchedaAppuntamento.h"

ListLines AgendaList::imminentLines(const QDate& today)
{
    const AgendaSelection::Rule imminent = AgendaSelection::imminent(today);
    ListLines lines;
    RecordFile::forEach(TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size, AgendaSelection::unfulfilled,
                        imminent, [&](qint64 index, const char* record) {
                            appendLine(lines, index + 1, record);
                            return true;
                        });
    return lines;
}

void AgendaList::appendLine(ListLines& lines, qint64 position, const char* record)
{
    using Field = TSchedaAppuntamento::Field;
    const auto stored = [record](Field field) { return TSchedaAppuntamento::raw(record, field); };
    const AgendaSelection::StoredKey key = AgendaSelection::sortKey(record);
    lines.appendStored(position, {{"ID: ", key.view(), ListLine::Unpadded},
                                  {"  Data: ", stored(Field::Data), 10},
                                  {"  Ora: ", stored(Field::Ora), 5},
                                  {"  ", stored(Field::Contatto), 30},
                                  {"  Cel. ", stored(Field::Cel), 14},
                                  {"  ", stored(Field::Causale), 42},
                                  {"  " CP1252_EURO " ", stored(Field::Importo), ListLine::Unpadded}});
}
