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

const ListLine::Layout& AgendaList::columns()
{
    static const ListLine::Layout columns{{"ID: ", ListLine::Unpadded}, {"  Data: ", 10}, {"  Ora: ", 5},
                                          {"  ", 30},                   {"  Cel. ", 14},  {"  ", 42},
                                          {"  " CP1252_EURO " ", ListLine::Unpadded}};
    return columns;
}

void AgendaList::appendLine(ListLines& lines, qint64 position, const char* record)
{
    using Field = TSchedaAppuntamento::Field;
    const auto stored = [record](Field field) { return TSchedaAppuntamento::raw(record, field); };
    const AgendaSelection::StoredKey key = AgendaSelection::sortKey(record);
    lines.appendStored(position, columns(),
                       {key.view(), stored(Field::Data), stored(Field::Ora), stored(Field::Contatto),
                        stored(Field::Cel), stored(Field::Causale), stored(Field::Importo)});
}
