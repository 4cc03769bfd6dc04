#include "AgendaCore.h"

#include "agenda/AgendaLine.h"
#include "agenda/AgendaSelection.h"
#include "storage/RecordFile.h"
#include "storage/TSchedaAppuntamento.h"

ListLines AgendaCore::imminentLines(const QDate& today)
{
    const AgendaSelection::Rule imminent = AgendaSelection::imminent(today);
    ListLines lines;
    RecordFile::forEach(TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size,
                        [&](qint64 index, const char* record) {
                            if (imminent(record))
                                AgendaLine::append(lines, index + 1, record);
                            return true;
                        });
    return lines;
}
