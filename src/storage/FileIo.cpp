#include "storage/FileIo.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
// Writers lock one byte far beyond any real end of file, so the lock never
// covers data that readers read, and it never moves as the file grows.
constexpr qint64 kLockOffset = Q_INT64_C(0x7FFFFFFF00000000);
} // namespace

#ifndef Q_OS_WIN

FileIo::Handle FileIo::openOrCreate(const QString& path, QString* error)
{
    const QByteArray native = QFile::encodeName(path);
    for (int attempt = 0; attempt < 3; ++attempt) {
        int fd = ::open(native.constData(), O_RDWR | O_CLOEXEC);
        if (fd >= 0)
            return fd;
        if (errno != ENOENT)
            break;
        fd = ::open(native.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST)
            break;
        // Another workstation created it in between: open that one.
    }
    if (error)
        *error = lastError();
    return InvalidHandle;
}

void FileIo::close(Handle handle)
{
    if (handle != InvalidHandle)
        ::close(int(handle));
}

qint64 FileIo::size(Handle handle)
{
    struct stat st;
    if (::fstat(int(handle), &st) != 0)
        return -1;
    return st.st_size;
}

qint64 FileIo::readAt(Handle handle, qint64 offset, char* data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::pread(int(handle), data + done, size_t(size - done), off_t(offset + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

bool FileIo::writeAt(Handle handle, qint64 offset, const char* data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::pwrite(int(handle), data + done, size_t(size - done), off_t(offset + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += n;
    }
    return true;
}

bool FileIo::flush(Handle handle)
{
    return ::fsync(int(handle)) == 0;
}

bool FileIo::truncate(Handle handle, qint64 size)
{
    return ::ftruncate(int(handle), off_t(size)) == 0;
}

bool FileIo::lockExclusive(Handle handle)
{
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = off_t(kLockOffset);
    lock.l_len = 1;
#ifdef F_OFD_SETLKW
    // Open-file-description locks belong to this open file, not to the
    // process, so closing another descriptor of the same file keeps them.
    const int command = F_OFD_SETLKW;
#else
    const int command = F_SETLKW;
#endif
    while (::fcntl(int(handle), command, &lock) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

void FileIo::unlock(Handle handle)
{
    struct flock lock {};
    lock.l_type = F_UNLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = off_t(kLockOffset);
    lock.l_len = 1;
#ifdef F_OFD_SETLK
    ::fcntl(int(handle), F_OFD_SETLK, &lock);
#else
    ::fcntl(int(handle), F_SETLK, &lock);
#endif
}

QString FileIo::lastError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

#else // Q_OS_WIN

FileIo::Handle FileIo::openOrCreate(const QString& path, QString* error)
{
    const auto native = reinterpret_cast<const wchar_t*>(path.utf16());
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
    HANDLE h = CreateFileW(native, GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_NOT_FOUND)
        h = CreateFileW(native, GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                        nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        if (error)
            *error = lastError();
        return InvalidHandle;
    }
    return reinterpret_cast<Handle>(h);
}

void FileIo::close(Handle handle)
{
    if (handle != InvalidHandle)
        CloseHandle(reinterpret_cast<HANDLE>(handle));
}

qint64 FileIo::size(Handle handle)
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(reinterpret_cast<HANDLE>(handle), &size))
        return -1;
    return size.QuadPart;
}

namespace {
OVERLAPPED at(qint64 offset)
{
    OVERLAPPED ov {};
    ov.Offset = DWORD(offset & 0xFFFFFFFF);
    ov.OffsetHigh = DWORD(quint64(offset) >> 32);
    return ov;
}
} // namespace

qint64 FileIo::readAt(Handle handle, qint64 offset, char* data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        OVERLAPPED ov = at(offset + done);
        DWORD n = 0;
        const DWORD chunk = DWORD(qMin<qint64>(size - done, 1 << 30));
        if (!ReadFile(reinterpret_cast<HANDLE>(handle), data + done, chunk, &n, &ov))
            return GetLastError() == ERROR_HANDLE_EOF ? done : -1;
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

bool FileIo::writeAt(Handle handle, qint64 offset, const char* data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        OVERLAPPED ov = at(offset + done);
        DWORD n = 0;
        const DWORD chunk = DWORD(qMin<qint64>(size - done, 1 << 30));
        if (!WriteFile(reinterpret_cast<HANDLE>(handle), data + done, chunk, &n, &ov))
            return false;
        done += n;
    }
    return true;
}

bool FileIo::flush(Handle handle)
{
    return FlushFileBuffers(reinterpret_cast<HANDLE>(handle));
}

bool FileIo::truncate(Handle handle, qint64 size)
{
    LARGE_INTEGER pos;
    pos.QuadPart = size;
    const HANDLE h = reinterpret_cast<HANDLE>(handle);
    return SetFilePointerEx(h, pos, nullptr, FILE_BEGIN) && SetEndOfFile(h);
}

bool FileIo::lockExclusive(Handle handle)
{
    OVERLAPPED ov = at(kLockOffset);
    return LockFileEx(reinterpret_cast<HANDLE>(handle), LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &ov);
}

void FileIo::unlock(Handle handle)
{
    OVERLAPPED ov = at(kLockOffset);
    UnlockFileEx(reinterpret_cast<HANDLE>(handle), 0, 1, 0, &ov);
}

QString FileIo::lastError()
{
    return QString::number(GetLastError());
}

#endif
