#include "storage/FileIo.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
// The writers' lock covers one byte far beyond any real end of file, so it
// never covers data that readers read, and it never moves as the file grows.
constexpr qint64 kLockOffset = Q_INT64_C(0x7FFFFFFF00000000);
// Where no wait in the kernel can be bounded, the lock is tried this often.
constexpr int kLockPollMs = 2;

FileIo::WriteCalls& writeCalls()
{
    static FileIo::WriteCalls calls = FileIo::systemWriteCalls();
    return calls;
}
} // namespace

bool FileIo::writeAt(Handle handle, qint64 offset, const char* data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const qint64 n = writeCalls().write(handle, offset + done, data + done, size - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

bool FileIo::flush(Handle handle)
{
    return writeCalls().flush(handle);
}

void FileIo::setWriteCallsForTests(const WriteCalls& calls)
{
    writeCalls() = calls;
}

void FileIo::resetForTests()
{
    writeCalls() = systemWriteCalls();
}

#ifndef Q_OS_WIN

namespace {
QString folderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QStringLiteral(".") : path.left(qMax<qsizetype>(slash, 1));
}

int openNative(const QString& path, int flags)
{
    return ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC, 0666);
}

void setError(QString* error)
{
    if (error)
        *error = FileIo::lastError();
}

struct flock sentinel(short type)
{
    struct flock lock
    {
    };
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = off_t(kLockOffset);
    lock.l_len = 1;
    return lock;
}

#ifdef F_OFD_SETLK
// Open-file-description locks belong to this open file, not to the process,
// so another close of the same file elsewhere in the process keeps them.
constexpr int kTryLock = F_OFD_SETLK;
constexpr int kWaitLock = F_OFD_SETLKW;
#else
constexpr int kTryLock = F_SETLK;
constexpr int kWaitLock = F_SETLKW;
#endif

bool busy(int error)
{
    return error == EAGAIN || error == EACCES;
}

FileIo::Lock failedLock(int error)
{
    return (error == ENOLCK || error == EOPNOTSUPP || error == ENOSYS) ? FileIo::Lock::Unsupported
                                                                       : FileIo::Lock::Failed;
}

FileIo::Lock pollLock(int fd, int tryCommand, struct flock lock, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (::fcntl(fd, tryCommand, &lock) != 0) {
        if (!busy(errno) && errno != EINTR)
            return failedLock(errno);
        if (deadline.hasExpired())
            return FileIo::Lock::TimedOut;
        QThread::msleep(kLockPollMs);
    }
    return FileIo::Lock::Taken;
}

#ifdef SIGEV_THREAD_ID
void onWake(int) {}

// Waits in the kernel, where waiters are served as the holder lets go, and
// has a timer signal interrupt the wait every 50 ms to look at the clock.
FileIo::Lock waitLock(int fd, int tryCommand, int waitCommand, struct flock lock, int timeoutMs)
{
    static const int wakeSignal = [] {
        const int signal = SIGRTMIN + 4;
        struct sigaction action
        {
        };
        action.sa_handler = onWake;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
        return signal;
    }();
    sigset_t wake;
    sigset_t previous;
    sigemptyset(&wake);
    sigaddset(&wake, wakeSignal);
    ::pthread_sigmask(SIG_UNBLOCK, &wake, &previous);
    struct sigevent event
    {
    };
    event.sigev_notify = SIGEV_THREAD_ID;
    event.sigev_signo = wakeSignal;
    event._sigev_un._tid = ::gettid();
    timer_t timer;
    FileIo::Lock result;
    if (::timer_create(CLOCK_MONOTONIC, &event, &timer) != 0) {
        result = pollLock(fd, tryCommand, lock, timeoutMs);
    } else {
        const struct itimerspec tick
        {
            {0, 50'000'000}, { 0, 50'000'000 }
        };
        ::timer_settime(timer, 0, &tick, nullptr);
        const QDeadlineTimer deadline(timeoutMs);
        for (;;) {
            if (::fcntl(fd, waitCommand, &lock) == 0) {
                result = FileIo::Lock::Taken;
                break;
            }
            if (errno != EINTR) {
                result = failedLock(errno);
                break;
            }
            if (deadline.hasExpired()) {
                result = FileIo::Lock::TimedOut;
                break;
            }
        }
        ::timer_delete(timer);
    }
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return result;
}
#else
FileIo::Lock waitLock(int fd, int tryCommand, int waitCommand, struct flock lock, int timeoutMs)
{
    Q_UNUSED(waitCommand)
    return pollLock(fd, tryCommand, lock, timeoutMs);
}
#endif
} // namespace

FileIo::Handle FileIo::openOrCreate(const QString& path, QString* error)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        int fd = openNative(path, O_RDWR);
        if (fd >= 0)
            return fd;
        if (errno != ENOENT)
            break;
        fd = openNative(path, O_RDWR | O_CREAT | O_EXCL);
        if (fd >= 0) {
            if (flushFolderOf(path))
                return fd;
            setError(error);
            ::close(fd);
            return InvalidHandle;
        }
        if (errno != EEXIST)
            break;
        // Another workstation created it in between: open that one.
    }
    setError(error);
    return InvalidHandle;
}

FileIo::Handle FileIo::openExisting(const QString& path, QString* error)
{
    const int fd = openNative(path, O_RDWR);
    if (fd < 0 && errno != ENOENT)
        setError(error);
    return fd < 0 ? InvalidHandle : fd;
}

FileIo::Handle FileIo::create(const QString& path, QString* error)
{
    const int fd = openNative(path, O_RDWR | O_CREAT | O_TRUNC);
    if (fd < 0)
        setError(error);
    return fd < 0 ? InvalidHandle : fd;
}

void FileIo::close(Handle handle)
{
    if (handle != InvalidHandle)
        ::close(int(handle));
}

bool FileIo::exists(const QString& path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0;
}

bool FileIo::remove(const QString& path)
{
    return ::unlink(QFile::encodeName(path).constData()) == 0;
}

qint64 FileIo::size(Handle handle)
{
    struct stat st;
    if (::fstat(int(handle), &st) != 0)
        return -1;
    return st.st_size;
}

bool FileIo::stamp(Handle handle, Stamp* stamp)
{
    struct stat st;
    if (::fstat(int(handle), &st) != 0)
        return false;
    const auto ns = [](const struct timespec& t) { return qint64(t.tv_sec) * 1000000000 + t.tv_nsec; };
    *stamp = {quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size), ns(st.st_mtim), ns(st.st_ctim)};
    return true;
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

bool FileIo::flushFolderOf(const QString& path)
{
    const int fd = openNative(folderOf(path), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool flushed = flush(fd);
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return flushed;
}

bool FileIo::truncate(Handle handle, qint64 size)
{
    return ::ftruncate(int(handle), off_t(size)) == 0;
}

FileIo::Lock FileIo::lockExclusive(Handle handle, int timeoutMs)
{
    const int fd = int(handle);
    struct flock lock = sentinel(F_WRLCK);
    int tryCommand = kTryLock;
    int waitCommand = kWaitLock;
    if (::fcntl(fd, tryCommand, &lock) == 0)
        return Lock::Taken;
    if (errno == EINVAL && tryCommand != F_SETLK) {
        // A kernel without open-file-description locks: the process's own.
        tryCommand = F_SETLK;
        waitCommand = F_SETLKW;
        if (::fcntl(fd, tryCommand, &lock) == 0)
            return Lock::Taken;
    }
    if (!busy(errno))
        return failedLock(errno);
    return waitLock(fd, tryCommand, waitCommand, lock, timeoutMs);
}

void FileIo::unlock(Handle handle)
{
    struct flock lock = sentinel(F_UNLCK);
    if (::fcntl(int(handle), kTryLock, &lock) != 0 && errno == EINVAL)
        ::fcntl(int(handle), F_SETLK, &lock);
}

QString FileIo::lastError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

FileIo::WriteCalls FileIo::systemWriteCalls()
{
    return {
        [](Handle handle, qint64 offset, const char* data, qint64 size) -> qint64 {
            for (;;) {
                const ssize_t n = ::pwrite(int(handle), data, size_t(size), off_t(offset));
                if (n >= 0 || errno != EINTR)
                    return n;
            }
        },
        [](Handle handle) { return ::fsync(int(handle)) == 0; },
    };
}

#else // Q_OS_WIN

namespace {
HANDLE native(FileIo::Handle handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

FileIo::Handle openNative(const QString& path, DWORD disposition, QString* error)
{
    const HANDLE h = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, disposition,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        if (error && code != ERROR_FILE_NOT_FOUND)
            *error = FileIo::lastError();
        SetLastError(code);
        return FileIo::InvalidHandle;
    }
    return reinterpret_cast<FileIo::Handle>(h);
}

OVERLAPPED at(qint64 offset)
{
    OVERLAPPED ov{};
    ov.Offset = DWORD(offset & 0xFFFFFFFF);
    ov.OffsetHigh = DWORD(quint64(offset) >> 32);
    return ov;
}
} // namespace

FileIo::Handle FileIo::openOrCreate(const QString& path, QString* error)
{
    Handle h = openNative(path, OPEN_EXISTING, error);
    if (h == InvalidHandle && GetLastError() == ERROR_FILE_NOT_FOUND)
        h = openNative(path, OPEN_ALWAYS, error);
    if (h == InvalidHandle && error && error->isEmpty())
        *error = lastError();
    return h;
}

FileIo::Handle FileIo::openExisting(const QString& path, QString* error)
{
    return openNative(path, OPEN_EXISTING, error);
}

FileIo::Handle FileIo::create(const QString& path, QString* error)
{
    const Handle h = openNative(path, CREATE_ALWAYS, error);
    if (h == InvalidHandle && error && error->isEmpty())
        *error = lastError();
    return h;
}

void FileIo::close(Handle handle)
{
    if (handle != InvalidHandle)
        CloseHandle(native(handle));
}

bool FileIo::exists(const QString& path)
{
    return GetFileAttributesW(reinterpret_cast<const wchar_t*>(path.utf16())) != INVALID_FILE_ATTRIBUTES;
}

bool FileIo::remove(const QString& path)
{
    return DeleteFileW(reinterpret_cast<const wchar_t*>(path.utf16()));
}

qint64 FileIo::size(Handle handle)
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(native(handle), &size))
        return -1;
    return size.QuadPart;
}

bool FileIo::stamp(Handle handle, Stamp* stamp)
{
    BY_HANDLE_FILE_INFORMATION info;
    FILE_BASIC_INFO basic;
    if (!GetFileInformationByHandle(native(handle), &info) ||
        !GetFileInformationByHandleEx(native(handle), FileBasicInfo, &basic, sizeof basic))
        return false;
    // File times count 100 ns steps since 1601.
    const auto ns = [](qint64 ticks) { return (ticks - Q_INT64_C(116444736000000000)) * 100; };
    stamp->device = info.dwVolumeSerialNumber;
    stamp->file = (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    stamp->size = qint64((quint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
    stamp->modifiedNs = ns(basic.LastWriteTime.QuadPart);
    stamp->changedNs = ns(basic.ChangeTime.QuadPart);
    return true;
}

qint64 FileIo::readAt(Handle handle, qint64 offset, char* data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        OVERLAPPED ov = at(offset + done);
        DWORD n = 0;
        const DWORD chunk = DWORD(qMin<qint64>(size - done, 1 << 30));
        if (!ReadFile(native(handle), data + done, chunk, &n, &ov))
            return GetLastError() == ERROR_HANDLE_EOF ? done : -1;
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

bool FileIo::flushFolderOf(const QString&)
{
    // NTFS makes the creation and removal of a file durable by itself.
    return true;
}

bool FileIo::truncate(Handle handle, qint64 size)
{
    LARGE_INTEGER pos;
    pos.QuadPart = size;
    return SetFilePointerEx(native(handle), pos, nullptr, FILE_BEGIN) && SetEndOfFile(native(handle));
}

FileIo::Lock FileIo::lockExclusive(Handle handle, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        OVERLAPPED ov = at(kLockOffset);
        if (LockFileEx(native(handle), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &ov))
            return Lock::Taken;
        const DWORD code = GetLastError();
        if (code == ERROR_NOT_SUPPORTED || code == ERROR_INVALID_FUNCTION)
            return Lock::Unsupported;
        if (code != ERROR_LOCK_VIOLATION && code != ERROR_IO_PENDING)
            return Lock::Failed;
        if (deadline.hasExpired())
            return Lock::TimedOut;
        QThread::msleep(kLockPollMs);
    }
}

void FileIo::unlock(Handle handle)
{
    OVERLAPPED ov = at(kLockOffset);
    UnlockFileEx(native(handle), 0, 1, 0, &ov);
}

QString FileIo::lastError()
{
    return QString::number(GetLastError());
}

FileIo::WriteCalls FileIo::systemWriteCalls()
{
    return {
        [](Handle handle, qint64 offset, const char* data, qint64 size) -> qint64 {
            OVERLAPPED ov = at(offset);
            DWORD n = 0;
            const DWORD chunk = DWORD(qMin<qint64>(size, 1 << 30));
            return WriteFile(native(handle), data, chunk, &n, &ov) ? qint64(n) : -1;
        },
        [](Handle handle) { return bool(FlushFileBuffers(native(handle))); },
    };
}

#endif
