#include "agenda/AgendaLine.h"

#include "agenda/AgendaSelection.h"
#include "storage/RecordFile.h"
#include "storage/TSchedaAppuntamento.h"

void AgendaLine::append(ListLines& lines, qint64 position, const char* record)
{
    using Field = TSchedaAppuntamento::Field;
    const auto field = [record](Field f) { return TSchedaAppuntamento::raw(record, f); };
    const AgendaSelection::StoredKey key = AgendaSelection::sortKey(record);
    lines.appendStored(position, {{u"ID: ", key.view(), ListLine::Unpadded},
                                  {u"  Data: ", field(Field::Data), 10},
                                  {u"  Ora: ", field(Field::Ora), 5},
                                  {u"  ", field(Field::Contatto), 30},
                                  {u"  Cel. ", field(Field::Cel), 14},
                                  {u"  ", field(Field::Causale), 42},
                                  {u"  \u20AC ", field(Field::Importo), ListLine::Unpadded}});
}

ListLines AgendaLine::imminentLines(const QDate& today)
{
    const AgendaSelection::Rule imminent = AgendaSelection::imminent(today);
    ListLines lines;
    RecordFile::forEach(TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size,
                        [&](qint64 index, const char* record) {
                            if (imminent(record))
                                append(lines, index + 1, record);
                            return true;
                        });
    return lines;
}
