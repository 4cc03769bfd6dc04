#include "storage/RecordFile.h"

#include "app/DataFolder.h"
#include "storage/CountedText.h"
#include "storage/FileIo.h"
#include "storage/MappedView.h"
#include "storage/RollbackJournal.h"

#include <QDateTime>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {
constexpr qint64 kBlockSize = 1 << 20;
constexpr qint64 kWindowSize = 16 << 20;
int s_lockWaitMs = RecordFile::LockWaitMs;

// What sieves found in the file no longer holds once it is written.
void forgetKept(const QString& path);

QString failure(const char* what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), FileIo::lastError());
}

bool wrongSize(int recordSize, const QByteArray& record)
{
    return recordSize <= 0 || record.size() != recordSize;
}

// One archive open for one user action; closed, and so unlocked, when it goes.
// A writer holds the writers' lock throughout; a reader takes it only to put
// back the record of a rewrite that was cut short.
class OpenArchive
{
public:
    enum class Use { Read, Write };

    OpenArchive(const QString& fileName, int recordSize, Use use)
        : m_path(DataFolder::filePath(fileName)), m_recordSize(recordSize)
    {
        m_handle = FileIo::openOrCreate(m_path, &m_error);
        if (m_handle == FileIo::InvalidHandle)
            return;
        if (use == Use::Write) {
            m_written = true;
            m_error = lock();
            if (m_error.isEmpty())
                m_error = RollbackJournal::restore(m_handle, m_path, m_recordSize);
        } else if (FileIo::exists(RollbackJournal::pathFor(m_path)) && lock().isEmpty()) {
            // What cannot be put back now is put back by the next writer.
            RollbackJournal::restore(m_handle, m_path, m_recordSize);
            FileIo::unlock(m_handle);
            m_written = true;
        }
    }
    ~OpenArchive()
    {
        FileIo::close(m_handle);
        if (m_written)
            forgetKept(m_path);
    }
    Q_DISABLE_COPY_MOVE(OpenArchive)

    bool isOpen() const { return m_handle != FileIo::InvalidHandle && m_error.isEmpty(); }
    const QString& error() const { return m_error; }
    const QString& path() const { return m_path; }
    FileIo::Handle handle() const { return m_handle; }

    qint64 count() const
    {
        const qint64 size = FileIo::size(m_handle);
        return size < 0 ? -1 : size / m_recordSize;
    }

    bool writeRecord(qint64 index, const QByteArray& record) const
    {
        return FileIo::writeAt(m_handle, index * m_recordSize, record.constData(), m_recordSize) &&
               FileIo::flush(m_handle);
    }

private:
    QString lock() const
    {
        switch (FileIo::lockExclusive(m_handle, s_lockWaitMs)) {
        case FileIo::Lock::Taken:
        case FileIo::Lock::Unsupported: // a file system without locks: as unshared
            return {};
        case FileIo::Lock::TimedOut:
            return QStringLiteral("locked by another workstation");
        case FileIo::Lock::Failed:
            break;
        }
        return failure("lock");
    }

    QString m_path;
    int m_recordSize;
    QString m_error;
    FileIo::Handle m_handle = FileIo::InvalidHandle;
    bool m_written = false;
};
} // namespace

RecordFile::Result<qint64> RecordFile::count(const QString& fileName, int recordSize)
{
    OpenArchive file(fileName, recordSize, OpenArchive::Use::Read);
    if (!file.isOpen())
        return {std::nullopt, file.error()};
    const qint64 n = file.count();
    if (n < 0)
        return {std::nullopt, failure("size")};
    return {n, {}};
}

RecordFile::Result<QByteArray> RecordFile::read(const QString& fileName, int recordSize, qint64 index)
{
    OpenArchive file(fileName, recordSize, OpenArchive::Use::Read);
    if (!file.isOpen())
        return {std::nullopt, file.error()};
    if (index < 0 || index >= file.count())
        return {std::nullopt, QStringLiteral("read past the end")};
    QByteArray record(recordSize, Qt::Uninitialized);
    if (FileIo::readAt(file.handle(), index * recordSize, record.data(), recordSize) != recordSize)
        return {std::nullopt, failure("read")};
    return {record, {}};
}

RecordFile::Result<qint64> RecordFile::append(const QString& fileName, int recordSize, const QByteArray& record)
{
    if (wrongSize(recordSize, record))
        return {std::nullopt, QStringLiteral("wrong record size")};
    OpenArchive file(fileName, recordSize, OpenArchive::Use::Write);
    if (!file.isOpen())
        return {std::nullopt, file.error()};
    // Counted under the lock, so two workstations never append at one place.
    const qint64 index = file.count();
    if (index < 0)
        return {std::nullopt, failure("size")};
    if (!file.writeRecord(index, record)) {
        const QString error = failure("write");
        // Cut back to the last whole record: no fragment of this one stays.
        if (FileIo::truncate(file.handle(), index * recordSize))
            FileIo::flush(file.handle());
        return {std::nullopt, error};
    }
    return {index, {}};
}

RecordFile::Status RecordFile::rewrite(const QString& fileName, int recordSize, qint64 index, const QByteArray& record)
{
    if (wrongSize(recordSize, record))
        return {QStringLiteral("wrong record size")};
    OpenArchive file(fileName, recordSize, OpenArchive::Use::Write);
    if (!file.isOpen())
        return {file.error()};
    if (index < 0 || index >= file.count())
        return {QStringLiteral("write past the end")};
    QByteArray old(recordSize, Qt::Uninitialized);
    if (FileIo::readAt(file.handle(), index * recordSize, old.data(), recordSize) != recordSize)
        return {failure("read")};
    if (old == record)
        return {FileIo::flush(file.handle()) ? QString() : failure("flush")};
    // The old record goes to the journal first, so that a rewrite cut short
    // anywhere leaves the old record or the new one, never a mixture.
    if (const QString error = RollbackJournal::write(file.path(), index, old); !error.isEmpty())
        return {error};
    QString error = file.writeRecord(index, record) ? RollbackJournal::discard(file.path()) : failure("write");
    // A failed rewrite puts the old record back at once when the disk lets
    // it, while the journal still guards it; otherwise the journal stays, and
    // the next action on the archive puts the old record back. Once the
    // journal is gone the new record is whole on the disk and stays.
    if (!error.isEmpty() && FileIo::exists(RollbackJournal::pathFor(file.path())) && file.writeRecord(index, old))
        RollbackJournal::discard(file.path());
    return {error};
}

namespace {
// The selections below take a record's index and bytes; a scan without one
// takes every record.
const auto everyRecord = [](qint64, const char*) { return true; };

// The records from index on, read in large blocks; a record that straddles two
// blocks is put together in its own buffer. For scans that take most records,
// and where the file cannot be mapped.
template <class Selects>
RecordFile::Status readBlocks(FileIo::Handle handle, int recordSize, qint64 index, qint64 total, const Selects& selects,
                              const RecordFile::Visitor& visit)
{
    const qint64 end = total * recordSize;
    std::vector<char> block(size_t(qMin(kBlockSize, end)));
    std::vector<char> straddling(static_cast<size_t>(recordSize));
    const auto offer = [&](const char* record) { return !selects(index, record) || visit(index, record); };
    qint64 carried = 0;
    for (qint64 start = index * recordSize; start < end; start += kBlockSize) {
        const qint64 bytes = qMin(kBlockSize, end - start);
        if (FileIo::readAt(handle, start, block.data(), bytes) != bytes)
            return {failure("read")};
        qint64 at = 0;
        if (carried > 0) {
            at = qMin(recordSize - carried, bytes);
            std::memcpy(straddling.data() + carried, block.data(), size_t(at));
            carried += at;
            if (carried < recordSize)
                continue;
            carried = 0;
            if (!offer(straddling.data()))
                return {};
            ++index;
        }
        for (; at + recordSize <= bytes; at += recordSize, ++index)
            if (!offer(block.data() + at))
                return {};
        carried = bytes - at;
        std::memcpy(straddling.data(), block.data() + at, size_t(carried));
    }
    return {};
}

// The selection reads the records' pages where they are, a few fields of
// each; asking for the records ahead while it reads this one keeps it from
// waiting on memory at every field.
constexpr qint64 kPrefetchAhead = 4;
// A window whose selection takes more than one record in this many.
constexpr qint64 kMostTaken = 4;

void prefetch(const char* record, const char* end, int recordSize)
{
#if defined(__GNUC__) || defined(__clang__)
    const char* const stop = qMin(record + recordSize, end);
    for (const char* line = record; line < stop; line += 64)
        __builtin_prefetch(line);
#else
    Q_UNUSED(record)
    Q_UNUSED(end)
    Q_UNUSED(recordSize)
#endif
}

QString cutShort()
{
    return QStringLiteral("read: the file was cut short while it was read");
}

// One record of a mapped view offered to the selection where it lies, and
// copied for the visitor if taken: what the visitor keeps never comes from a
// page another program may take away meanwhile.
enum class Offered { Skipped, Taken, Stop, CutShort };
template <class Selects>
Offered offerMapped(const MappedView& view, qint64 index, const char* record, std::vector<char>& copy,
                    const Selects& selects, const RecordFile::Visitor& visit)
{
    if (!selects(index, record))
        return view.cutShort() ? Offered::CutShort : Offered::Skipped;
    std::memcpy(copy.data(), record, copy.size());
    if (view.cutShort())
        return Offered::CutShort;
    return visit(index, copy.data()) ? Offered::Taken : Offered::Stop;
}

// Every whole record of the open file, in file order.
template <class Selects>
RecordFile::Status scanAll(FileIo::Handle handle, int recordSize, qint64 total, const Selects& selects,
                           const RecordFile::Visitor& visit)
{
    // The file is mapped a window of whole records at a time, so that the
    // selection reads the cached pages where they are and only the records it
    // takes are copied. A selection that takes many records of a window has
    // them copied anyway, and reading the rest in blocks is then cheaper
    // than mapping it.
    const qint64 granularity = MappedView::granularity();
    const qint64 perWindow = qMax<qint64>(1, kWindowSize / recordSize);
    std::vector<char> copy(static_cast<size_t>(recordSize));
    for (qint64 index = 0; index < total;) {
        const qint64 first = index * recordSize;
        const qint64 start = first / granularity * granularity;
        const qint64 last = qMin(total, index + perWindow);
        const MappedView view(handle, start, last * recordSize - start);
        if (!view.isValid())
            return readBlocks(handle, recordSize, index, total, selects, visit);
        const char* const windowEnd = view.data() + (last * recordSize - start);
        const qint64 windowFirst = index;
        qint64 taken = 0;
        for (const char* record = view.data() + (first - start); index < last; ++index, record += recordSize) {
            prefetch(record + kPrefetchAhead * recordSize, windowEnd, recordSize);
            switch (offerMapped(view, index, record, copy, selects, visit)) {
            case Offered::Skipped:
                break;
            case Offered::Taken:
                ++taken;
                break;
            case Offered::Stop:
                return {};
            case Offered::CutShort:
                return {cutShort()};
            }
        }
        // Zeros past a new end in its last page raise no fault.
        if (FileIo::size(handle) < last * recordSize)
            return {cutShort()};
        if (taken * kMostTaken > index - windowFirst)
            return readBlocks(handle, recordSize, index, total, selects, visit);
    }
    return {};
}

// What a sieve passed in one file, as the file was when it passed them.
struct Kept
{
    QString path;
    int recordSize;
    const RecordFile::Sieve* sieve;
    FileIo::Stamp stamp;
    std::vector<qint64> indexes;
    // The sieve's fields of each record in turn, each as its length byte and
    // its meaningful bytes.
    std::vector<char> fields;

    qint64 bytes() const { return qint64(indexes.size() * sizeof(qint64) + fields.size()); }
};
// One for each archive and sieve in use, and a few more; the oldest goes first.
constexpr size_t kKeptFiles = 8;
// All that is kept at once: enough for the unticked appointments of a million.
constexpr qint64 kKeptBytes = 16 << 20;
// A file whose content changed this recently may change again without its
// times showing it, on file systems that keep coarse times (FAT: two
// seconds), so what a sieve found in it is not kept.
constexpr qint64 kSettledNs = Q_INT64_C(3000000000);

// The program's scans all run on its one thread. Shared, so that a scan
// going through what was kept keeps it even when its visitor's own scans
// make room for theirs.
std::vector<std::shared_ptr<const Kept>>& kept()
{
    static std::vector<std::shared_ptr<const Kept>> files;
    return files;
}

bool sameKey(const Kept& kept, const QString& path, int recordSize, const RecordFile::Sieve& sieve)
{
    return kept.path == path && kept.recordSize == recordSize && kept.sieve == &sieve;
}

std::shared_ptr<const Kept> keptFor(const QString& path, int recordSize, const RecordFile::Sieve& sieve)
{
    for (const std::shared_ptr<const Kept>& k : kept())
        if (sameKey(*k, path, recordSize, sieve))
            return k;
    return nullptr;
}

template <class Which> void forget(const Which& which)
{
    auto& files = kept();
    files.erase(std::remove_if(files.begin(), files.end(), [&](const auto& k) { return which(*k); }), files.end());
}

void forgetKept(const QString& path)
{
    forget([&](const Kept& k) { return k.path == path; });
}

// Makes room for found, the oldest going first; nothing is kept that would not fit alone.
void keep(Kept found)
{
    if (found.bytes() > kKeptBytes)
        return;
    auto& files = kept();
    qint64 bytes = found.bytes();
    for (const std::shared_ptr<const Kept>& k : files)
        bytes += k->bytes();
    while (!files.empty() && (files.size() >= kKeptFiles || bytes > kKeptBytes)) {
        bytes -= files.front()->bytes();
        files.erase(files.begin());
    }
    files.push_back(std::make_shared<const Kept>(std::move(found)));
}

// A counted text written into a record of the sieve's fields alone, which
// holds nothing beyond each field's own text: only the old text's bytes past
// the new one need clearing. text is no longer than the field's capacity.
void putField(char* field, QByteArrayView text)
{
    const qsizetype old = static_cast<unsigned char>(field[0]);
    field[0] = char(text.size());
    std::memcpy(field + 1, text.data(), size_t(text.size()));
    if (old > text.size())
        std::memset(field + 1 + text.size(), 0, size_t(old - text.size()));
}

// The sieve's fields of a stored record, written into passed where they lie.
void handOver(const RecordFile::Sieve& sieve, const char* record, char* passed)
{
    for (const FieldSpec& f : sieve.fields)
        putField(passed + f.offset, CountedText::bytes(record + f.offset, f.capacity));
}

void keepFields(const RecordFile::Sieve& sieve, const char* record, std::vector<char>& fields)
{
    size_t at = fields.size();
    size_t length = 0;
    for (const FieldSpec& f : sieve.fields)
        length += 1 + size_t(CountedText::bytes(record + f.offset, f.capacity).size());
    fields.resize(at + length);
    for (const FieldSpec& f : sieve.fields) {
        const QByteArrayView text = CountedText::bytes(record + f.offset, f.capacity);
        fields[at] = char(text.size());
        std::memcpy(fields.data() + at + 1, text.data(), size_t(text.size()));
        at += 1 + size_t(text.size());
    }
}

// The records kept, each handed over as it was when the sieve passed it.
RecordFile::Status scanKept(const Kept& found, const RecordFile::Selector& selects, const RecordFile::Visitor& visit)
{
    std::vector<char> passed(static_cast<size_t>(found.recordSize), 0);
    const char* fields = found.fields.data();
    for (const qint64 index : found.indexes) {
        for (const FieldSpec& f : found.sieve->fields) {
            const int length = static_cast<unsigned char>(*fields);
            putField(passed.data() + f.offset, QByteArrayView(fields + 1, length));
            fields += 1 + length;
        }
        if ((!selects || selects(passed.data())) && !visit(index, passed.data()))
            return {};
    }
    return {};
}

// Opens the archive for reading and hands it to scan with its number of whole records.
template <class Scan> RecordFile::Status scanArchive(const QString& fileName, int recordSize, const Scan& scan)
{
    OpenArchive file(fileName, recordSize, OpenArchive::Use::Read);
    if (!file.isOpen())
        return {file.error()};
    const qint64 total = file.count();
    if (total < 0)
        return {failure("size")};
    return scan(file, total);
}
} // namespace

RecordFile::Status RecordFile::forEach(const QString& fileName, int recordSize, const Visitor& visit)
{
    return scanArchive(fileName, recordSize, [&](const OpenArchive& file, qint64 total) {
        return scanAll(file.handle(), recordSize, total, everyRecord, visit);
    });
}

RecordFile::Status RecordFile::forEach(const QString& fileName, int recordSize, const Selector& selects,
                                       const Visitor& visit)
{
    if (!selects)
        return forEach(fileName, recordSize, visit);
    return scanArchive(fileName, recordSize, [&](const OpenArchive& file, qint64 total) {
        return scanAll(
            file.handle(), recordSize, total, [&](qint64, const char* record) { return selects(record); }, visit);
    });
}

RecordFile::Status RecordFile::forEach(const QString& fileName, int recordSize, const Sieve& sieve,
                                       const Selector& selects, const Visitor& visit)
{
    return scanArchive(fileName, recordSize, [&](const OpenArchive& file, qint64 total) -> Status {
        FileIo::Stamp before;
        const bool stamped = FileIo::stamp(file.handle(), &before);
        if (const auto found = keptFor(file.path(), recordSize, sieve); stamped && found && found->stamp == before)
            return scanKept(*found, selects, visit);

        // What was kept of an earlier state of the file goes, whatever this scan keeps.
        forget([&](const Kept& k) { return sameKey(k, file.path(), recordSize, sieve); });
        Kept found{file.path(), recordSize, &sieve, before, {}, {}};
        bool keeping = stamped;
        bool whole = true;
        std::vector<char> passed(static_cast<size_t>(recordSize), 0);
        const Status status = scanAll(
            file.handle(), recordSize, total,
            [&](qint64 index, const char* record) {
                if (!sieve.passes(record))
                    return false;
                handOver(sieve, record, passed.data());
                if (keeping) {
                    found.indexes.push_back(index);
                    keepFields(sieve, record, found.fields);
                    if (found.bytes() > kKeptBytes) {
                        keeping = false;
                        found.indexes = {};
                        found.fields = {};
                    }
                }
                return !selects || selects(passed.data());
            },
            [&](qint64 index, const char*) { return whole = visit(index, passed.data()); });
        // Kept only from a whole scan of a file that stayed as it was
        // throughout and had settled before.
        FileIo::Stamp after;
        if (status.ok() && whole && keeping && FileIo::stamp(file.handle(), &after) && after == before &&
            QDateTime::currentMSecsSinceEpoch() * 1000000 - before.modifiedNs >= kSettledNs)
            keep(std::move(found));
        return status;
    });
}

qint64 RecordFile::keptForTests(const QString& fileName, int recordSize, const Sieve& sieve)
{
    const auto found = keptFor(DataFolder::filePath(fileName), recordSize, sieve);
    return found ? qint64(found->indexes.size()) : -1;
}

void RecordFile::setLockWaitForTests(int milliseconds)
{
    s_lockWaitMs = milliseconds;
}

void RecordFile::resetForTests()
{
    s_lockWaitMs = LockWaitMs;
    kept().clear();
}
