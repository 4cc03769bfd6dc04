#include "clients/ClientSearch.h"

#include "clients/ClientListLine.h"
#include "storage/RecordFile.h"

void ClientSearch::appendLine(ListLines& lines, qint64 position, const char* record)
{
    ClientListLine::append(lines, position, record, Field::Note);
}

LoadedLines ClientSearch::run(const SearchCriteria& criteria)
{
    LoadedLines found;
    const RecordFile::Status status =
        RecordFile::forEach(
            TSchedaCliente::fileName(), TSchedaCliente::Size,
            [&criteria](const char* record) {
                return criteria.matches([record](int box) { return TSchedaCliente::raw(record, Fields[box]); });
            },
            [&](qint64 index, const char* record) {
                appendLine(found.lines, index + 1, record);
                return true;
            });
    found.error = status.error;
    return found;
}
