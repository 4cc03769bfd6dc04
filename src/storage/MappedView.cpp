#include "storage/MappedView.h"

#ifdef Q_OS_UNIX
#include <csignal>
#include <mutex>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {
bool s_disabled = false;
} // namespace

void MappedView::setDisabledForTests(bool disabled)
{
    s_disabled = disabled;
}

#ifdef Q_OS_UNIX

namespace {
// The view being read on this thread, as the bus error handler sees it:
// plain values, set up before any read, that need no initialising code.
thread_local char* t_begin = nullptr;
thread_local char* t_end = nullptr;
thread_local volatile sig_atomic_t t_cutShort = 0;

long s_pageSize = 0;
struct sigaction s_previous;

// A read of a mapped page beyond the file's end raises SIGBUS. Inside the
// active view the missing pages, to the view's end, are replaced by zero pages
// and the read goes on; anything else goes to the handler that was there before.
void onBusError(int, siginfo_t* info, void*)
{
    char* const address = static_cast<char*>(info->si_addr);
    if (t_begin && address >= t_begin && address < t_end) {
        char* const page = t_begin + (address - t_begin) / s_pageSize * s_pageSize;
        if (::mmap(page, size_t(t_end - page), PROT_READ, MAP_FIXED | MAP_PRIVATE | MAP_ANONYMOUS, -1, 0) !=
            MAP_FAILED) {
            t_cutShort = 1;
            return;
        }
    }
    // Returning makes the read fault again, now under the previous action.
    ::sigaction(SIGBUS, &s_previous, nullptr);
}

bool installHandler()
{
    static std::once_flag once;
    static bool installed = false;
    std::call_once(once, [] {
        s_pageSize = ::sysconf(_SC_PAGESIZE);
        struct sigaction action
        {
        };
        action.sa_sigaction = onBusError;
        action.sa_flags = SA_SIGINFO;
        sigemptyset(&action.sa_mask);
        installed = s_pageSize > 0 && ::sigaction(SIGBUS, &action, &s_previous) == 0;
    });
    return installed;
}
} // namespace

MappedView::MappedView(FileIo::Handle handle, qint64 offset, qint64 size)
{
    if (s_disabled || size <= 0 || t_begin || !installHandler() || offset % s_pageSize != 0)
        return;
    void* const data = ::mmap(nullptr, size_t(size), PROT_READ, MAP_SHARED, int(handle), off_t(offset));
    if (data == MAP_FAILED)
        return;
    // Read once from start to end: the kernel reads ahead and drops behind.
    ::madvise(data, size_t(size), MADV_SEQUENTIAL);
    m_data = static_cast<char*>(data);
    m_size = size;
    t_cutShort = 0;
    t_end = m_data + m_size;
    t_begin = m_data;
}

MappedView::~MappedView()
{
    if (!m_data)
        return;
    t_begin = nullptr;
    t_end = nullptr;
    ::munmap(m_data, size_t(m_size));
}

bool MappedView::cutShort() const
{
    return m_data && t_cutShort != 0;
}

qint64 MappedView::granularity()
{
    return installHandler() ? qint64(s_pageSize) : 4096;
}

#else

// Elsewhere the archives are read in blocks.
MappedView::MappedView(FileIo::Handle, qint64, qint64) {}
MappedView::~MappedView() = default;
bool MappedView::cutShort() const
{
    return false;
}
qint64 MappedView::granularity()
{
    return 4096;
}

#endif
