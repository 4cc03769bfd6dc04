#include "storage/RecordFile.h"

#include "app/DataFolder.h"
#include "storage/FileIo.h"

#include <QCoreApplication>
#include <cstring>
#include <vector>

namespace {
constexpr qint64 kBlockSize = 1 << 20;

// One open file for one user action; closed (and unlocked) when it goes.
class OpenFile
{
public:
    explicit OpenFile(const QString& fileName)
        : m_handle(FileIo::openOrCreate(DataFolder::filePath(fileName), &m_error))
    {
    }
    ~OpenFile() { FileIo::close(m_handle); }
    Q_DISABLE_COPY_MOVE(OpenFile)

    bool isOpen() const { return m_handle != FileIo::InvalidHandle; }
    FileIo::Handle handle() const { return m_handle; }
    const QString& error() const { return m_error; }

    qint64 count(int recordSize) const
    {
        const qint64 size = FileIo::size(m_handle);
        return size < 0 ? -1 : size / recordSize;
    }

private:
    QString m_error;
    FileIo::Handle m_handle;
};

QString failure(const char* what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), FileIo::lastError());
}

bool wrongSize(int recordSize, const QByteArray& record)
{
    return recordSize <= 0 || record.size() != recordSize;
}
} // namespace

RecordFile::Result<qint64> RecordFile::count(const QString& fileName, int recordSize)
{
    OpenFile file(fileName);
    if (!file.isOpen())
        return {std::nullopt, file.error()};
    const qint64 n = file.count(recordSize);
    if (n < 0)
        return {std::nullopt, failure("size")};
    return {n, {}};
}

RecordFile::Result<QByteArray> RecordFile::read(const QString& fileName, int recordSize, qint64 index)
{
    OpenFile file(fileName);
    if (!file.isOpen())
        return {std::nullopt, file.error()};
    const qint64 n = file.count(recordSize);
    if (index < 0 || index >= n)
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
    OpenFile file(fileName);
    if (!file.isOpen())
        return {std::nullopt, file.error()};
    if (!FileIo::lockExclusive(file.handle()))
        return {std::nullopt, failure("lock")};
    // Counted under the lock, so two workstations never append at one place.
    const qint64 index = file.count(recordSize);
    if (index < 0)
        return {std::nullopt, failure("size")};
    if (!FileIo::writeAt(file.handle(), index * recordSize, record.constData(), recordSize) ||
        !FileIo::flush(file.handle()))
        return {std::nullopt, failure("write")};
    return {index, {}};
}

RecordFile::Status RecordFile::rewrite(const QString& fileName, int recordSize, qint64 index, const QByteArray& record)
{
    if (wrongSize(recordSize, record))
        return {QStringLiteral("wrong record size")};
    OpenFile file(fileName);
    if (!file.isOpen())
        return {file.error()};
    if (!FileIo::lockExclusive(file.handle()))
        return {failure("lock")};
    if (index < 0 || index >= file.count(recordSize))
        return {QStringLiteral("write past the end")};
    if (!FileIo::writeAt(file.handle(), index * recordSize, record.constData(), recordSize) ||
        !FileIo::flush(file.handle()))
        return {failure("write")};
    return {};
}

RecordFile::Status RecordFile::forEach(const QString& fileName, int recordSize, const Visitor& visit)
{
    OpenFile file(fileName);
    if (!file.isOpen())
        return {file.error()};
    const qint64 total = file.count(recordSize);
    if (total < 0)
        return {failure("size")};
    // Aligned blocks, as the page cache holds them; a record that straddles
    // two blocks is put together in its own buffer.
    const qint64 end = total * recordSize;
    std::vector<char> block(size_t(qMin(kBlockSize, end)));
    std::vector<char> straddling(static_cast<size_t>(recordSize));
    qint64 carried = 0;
    qint64 index = 0;
    for (qint64 start = 0; start < end; start += kBlockSize) {
        const qint64 bytes = qMin(kBlockSize, end - start);
        if (FileIo::readAt(file.handle(), start, block.data(), bytes) != bytes)
            return {failure("read")};
        qint64 at = 0;
        if (carried > 0) {
            at = qMin(recordSize - carried, bytes);
            std::memcpy(straddling.data() + carried, block.data(), size_t(at));
            carried += at;
            if (carried < recordSize)
                continue;
            carried = 0;
            if (!visit(index++, straddling.data()))
                return {};
        }
        for (; at + recordSize <= bytes; at += recordSize)
            if (!visit(index++, block.data() + at))
                return {};
        carried = bytes - at;
        std::memcpy(straddling.data(), block.data() + at, size_t(carried));
    }
    return {};
}
