#include "storage/RollbackJournal.h"

#include <QtEndian>
#include <cstring>
#include <limits>

namespace {
constexpr char kTag[8] = {'B', 'R', 'V', 'J', 'R', 'N', 'L', '1'};
constexpr int kHeaderSize = 8 + 4 + 8;
constexpr int kChecksumSize = 8;

quint64 checksum(const char* data, qsizetype size)
{
    // FNV-1a: enough to tell a journal cut short or damaged from a whole one.
    quint64 hash = Q_UINT64_C(14695981039346656037);
    for (qsizetype i = 0; i < size; ++i) {
        hash ^= static_cast<unsigned char>(data[i]);
        hash *= Q_UINT64_C(1099511628211);
    }
    return hash;
}

QString failure(const char* what)
{
    return QStringLiteral("journal %1: %2").arg(QLatin1String(what), FileIo::lastError());
}
} // namespace

QString RollbackJournal::pathFor(const QString& archivePath)
{
    return archivePath + QStringLiteral("-journal");
}

QByteArray RollbackJournal::build(qint64 index, const QByteArray& record)
{
    QByteArray bytes(kHeaderSize + record.size() + kChecksumSize, Qt::Uninitialized);
    char* out = bytes.data();
    std::memcpy(out, kTag, sizeof kTag);
    qToLittleEndian(quint32(record.size()), out + 8);
    qToLittleEndian(quint64(index), out + 12);
    std::memcpy(out + kHeaderSize, record.constData(), size_t(record.size()));
    qToLittleEndian(checksum(out, kHeaderSize + record.size()), out + kHeaderSize + record.size());
    return bytes;
}

std::optional<RollbackJournal::Entry> RollbackJournal::parse(const QByteArray& bytes, int recordSize)
{
    if (recordSize <= 0 || bytes.size() != kHeaderSize + recordSize + kChecksumSize)
        return std::nullopt;
    const char* in = bytes.constData();
    if (std::memcmp(in, kTag, sizeof kTag) != 0 || qFromLittleEndian<quint32>(in + 8) != quint32(recordSize) ||
        qFromLittleEndian<quint64>(in + kHeaderSize + recordSize) != checksum(in, kHeaderSize + recordSize))
        return std::nullopt;
    const quint64 index = qFromLittleEndian<quint64>(in + 12);
    if (index > quint64(std::numeric_limits<qint64>::max() / recordSize))
        return std::nullopt;
    return Entry{qint64(index), bytes.mid(kHeaderSize, recordSize)};
}

QString RollbackJournal::write(const QString& archivePath, qint64 index, const QByteArray& record)
{
    const QString path = pathFor(archivePath);
    QString error;
    const FileIo::Handle journal = FileIo::create(path, &error);
    if (journal == FileIo::InvalidHandle)
        return QStringLiteral("journal: ") + error;
    const QByteArray bytes = build(index, record);
    const bool written = FileIo::writeAt(journal, 0, bytes.constData(), bytes.size()) && FileIo::flush(journal);
    error = written ? QString() : failure("write");
    FileIo::close(journal);
    // The journal counts only once its name is on the disk too.
    if (written && FileIo::flushFolderOf(path))
        return {};
    if (written)
        error = failure("flush");
    FileIo::remove(path);
    return error;
}

QString RollbackJournal::restore(FileIo::Handle archive, const QString& archivePath, int recordSize)
{
    const QString path = pathFor(archivePath);
    QString error;
    const FileIo::Handle journal = FileIo::openExisting(path, &error);
    if (journal == FileIo::InvalidHandle)
        return error.isEmpty() ? QString() : QStringLiteral("journal: ") + error;
    // One byte more than a whole journal, so that a longer file is no journal.
    QByteArray bytes(kHeaderSize + recordSize + kChecksumSize + 1, Qt::Uninitialized);
    const qint64 read = FileIo::readAt(journal, 0, bytes.data(), bytes.size());
    FileIo::close(journal);
    if (read < 0)
        return failure("read");
    bytes.truncate(read);
    const std::optional<Entry> entry = parse(bytes, recordSize);
    const qint64 archiveSize = FileIo::size(archive);
    if (entry && entry->index < archiveSize / recordSize) {
        if (!FileIo::writeAt(archive, entry->index * recordSize, entry->record.constData(), recordSize) ||
            !FileIo::flush(archive))
            return failure("restore");
    }
    return discard(archivePath);
}

QString RollbackJournal::discard(const QString& archivePath)
{
    const QString path = pathFor(archivePath);
    if (!FileIo::remove(path) && FileIo::exists(path))
        return failure("remove");
    if (!FileIo::flushFolderOf(path))
        return failure("flush");
    return {};
}
