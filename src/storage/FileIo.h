#pragma once

#include <QString>
#include <QtGlobal>

// The few platform calls the record files need: opening with the
// open-or-create rule, positioned reads and writes, the exclusive lock that
// serialises writers on a shared folder, and flushing to the disk.
namespace FileIo {
using Handle = qintptr;
constexpr Handle InvalidHandle = -1;

// Opens the existing file for reading and writing, shared with other
// processes; creates it empty only when it does not exist. An existing file
// that cannot be opened is an error: it is never emptied or recreated.
Handle openOrCreate(const QString& path, QString* error);
void close(Handle handle);
qint64 size(Handle handle);
// Reads up to size bytes at offset; the number read, or -1.
qint64 readAt(Handle handle, qint64 offset, char* data, qint64 size);
// Writes all bytes at offset; false on any failure.
bool writeAt(Handle handle, qint64 offset, const char* data, qint64 size);
bool flush(Handle handle);
bool truncate(Handle handle, qint64 size);
// The exclusive lock of the writers, held until unlock or close.
bool lockExclusive(Handle handle);
void unlock(Handle handle);
QString lastError();
} // namespace FileIo
