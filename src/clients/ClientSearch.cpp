#include "clients/ClientSearch.h"

#include "clients/ClientListLine.h"
#include "storage/RecordFile.h"

QString ClientSearch::line(const char* record)
{
    return ClientListLine::of(record, Field::Note);
}

ClientSearch::Found ClientSearch::run(const SearchCriteria& criteria)
{
    Found found;
    const RecordFile::Status status =
        RecordFile::forEach(TSchedaCliente::fileName(), TSchedaCliente::Size, [&](qint64 index, const char* record) {
            const auto fieldOf = [record](int box) { return TSchedaCliente::load(record, Fields[box]); };
            if (criteria.matches(fieldOf))
                found.lines.append(line(record), index + 1);
            return true;
        });
    found.error = status.error;
    return found;
}
