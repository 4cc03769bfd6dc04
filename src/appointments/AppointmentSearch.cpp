#include "appointments/AppointmentSearch.h"

#include "appointments/AppointmentLine.h"
#include "storage/RecordFile.h"

LoadedLines AppointmentSearch::run(const SearchCriteria& criteria)
{
    LoadedLines found;
    const RecordFile::Status status = RecordFile::forEach(
        TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size,
        [&criteria](const char* record) {
            return criteria.matches([record](int box) { return TSchedaAppuntamento::raw(record, Fields[box]); });
        },
        [&](qint64 index, const char* record) {
            AppointmentLine::append(found.lines, index + 1, record);
            return true;
        });
    found.error = status.error;
    return found;
}
