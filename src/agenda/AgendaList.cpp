#include "agenda/AgendaList.h"

#include "agenda/AgendaSelection.h"
#include "reports/ListLine.h"
#include "storage/RecordFile.h"
#include "storage/TSchedaAppuntamento.h"

ListLines AgendaList::imminentLines(const QDate& today)
{
    const AgendaSelection::Rule imminent = AgendaSelection::imminent(today);
    ListLines lines;
    RecordFile::forEach(TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size,
                        [&](qint64 index, const char* record) {
                            if (imminent(record))
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
    lines.appendStored(position, {{u"ID: ", key.view(), ListLine::Unpadded},
                                  {u"  Data: ", stored(Field::Data), 10},
                                  {u"  Ora: ", stored(Field::Ora), 5},
                                  {u"  ", stored(Field::Contatto), 30},
                                  {u"  Cel. ", stored(Field::Cel), 14},
                                  {u"  ", stored(Field::Causale), 42},
                                  {u"  \u20AC ", stored(Field::Importo), ListLine::Unpadded}});
}
