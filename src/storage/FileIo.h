#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

// The few platform calls the record files need: opening with the
// open-or-create rule, positioned reads and writes, flushing to the disk, and
// the exclusive lock that serialises the writers of a shared folder.
namespace FileIo {
using Handle = qintptr;
constexpr Handle InvalidHandle = -1;

// Opens the existing file for reading and writing, shared with other
// processes; creates it empty only when it does not exist. An existing file
// that cannot be opened is an error: it is never emptied or recreated.
Handle openOrCreate(const QString& path, QString* error);
// Opens an existing file for reading and writing; InvalidHandle, with the
// error left empty, when there is no such file.
Handle openExisting(const QString& path, QString* error);
// Creates the file, or empties the one there.
Handle create(const QString& path, QString* error);
void close(Handle handle);
bool exists(const QString& path);
bool remove(const QString& path);

qint64 size(Handle handle);
// Reads up to size bytes at offset; the number read, or -1.
qint64 readAt(Handle handle, qint64 offset, char* data, qint64 size);
// Writes all bytes at offset; false on any failure.
bool writeAt(Handle handle, qint64 offset, const char* data, qint64 size);
// A failed flush is a failed write: the data may not be on the disk.
bool flush(Handle handle);
// Makes the creation or removal of the file at path durable, by flushing
// the folder that holds it.
bool flushFolderOf(const QString& path);
bool truncate(Handle handle, qint64 size);

// What tells one state of a file from another without reading it: which file
// it is, its size, and when its content and its metadata last changed
// (nanoseconds since 1970). Every write moves the times on, so equal stamps
// mean equal content, unless the file changed again within the file system's
// timestamp granularity of the time it shows.
struct Stamp
{
    quint64 device = 0;
    quint64 file = 0;
    qint64 size = -1;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    friend bool operator==(const Stamp& a, const Stamp& b)
    {
        return a.device == b.device && a.file == b.file && a.size == b.size && a.modifiedNs == b.modifiedNs &&
               a.changedNs == b.changedNs;
    }
    friend bool operator!=(const Stamp& a, const Stamp& b) { return !(a == b); }
};
// False when the system cannot tell.
bool stamp(Handle handle, Stamp* stamp);

enum class Lock { Taken, TimedOut, Unsupported, Failed };
// The writers' exclusive lock, held until unlock or close: an open-file
// lock on one byte far beyond any real end of file, so readers never meet it.
// Waits up to timeoutMs for another holder to let go. Unsupported when the
// file system has no locks at all.
Lock lockExclusive(Handle handle, int timeoutMs);
void unlock(Handle handle);
QString lastError();

// The calls through which the files change. Tests replace them to fail the
// way a full or failing disk does (setting errno, or the last error on Windows).
struct WriteCalls
{
    // Writes up to size bytes at offset: the number written, or -1.
    std::function<qint64(Handle handle, qint64 offset, const char* data, qint64 size)> write;
    // Flushes a file, or a folder opened for flushing, to the disk.
    std::function<bool(Handle handle)> flush;
};
WriteCalls systemWriteCalls();
void setWriteCallsForTests(const WriteCalls& calls);
void resetForTests();
} // namespace FileIo
