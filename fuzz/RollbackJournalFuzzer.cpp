// Any bytes as a rollback journal found beside an archive: parsing refuses
// them or gives an entry that builds back into the very same bytes. And a
// whole journal with any one byte changed is always refused.
#include "storage/RollbackJournal.h"

#include <QtEndian>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // Every record size the archives use, and the one the journal would fit.
    for (const int recordSize : {113, 1265, 3372, int(size) - 28}) {
        const auto entry = RollbackJournal::parse(bytes, recordSize);
        if (entry && (entry->index < 0 || RollbackJournal::build(entry->index, entry->record) != bytes))
            std::abort();
    }

    // The input as an index, a byte to change, its change and a record.
    if (size < 9)
        return 0;
    const qint64 index = qFromLittleEndian<quint32>(data);
    const quint32 at = qFromLittleEndian<quint32>(data + 4);
    const char change = char(data[8] | 1);
    const QByteArray record = bytes.mid(9);
    if (record.isEmpty())
        return 0;
    QByteArray journal = RollbackJournal::build(index, record);
    const auto whole = RollbackJournal::parse(journal, int(record.size()));
    if (!whole || whole->index != index || whole->record != record)
        std::abort();
    journal[at % journal.size()] = char(journal.at(at % journal.size()) ^ change);
    if (RollbackJournal::parse(journal, int(record.size())))
        std::abort();
    return 0;
}
