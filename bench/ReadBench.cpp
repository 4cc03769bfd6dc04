#include "Bench.h"

#include "app/DataFolder.h"
#include "storage/TSchedaAppuntamento.h"
#include "storage/TSchedaCliente.h"

#include <QDir>
#include <QFile>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

// The yardstick of every target: the file read from start to end in 1 MiB
// blocks into one reused buffer, and nothing else done with it.
namespace {
constexpr size_t kBlock = 1 << 20;

void plainRead(benchmark::State& state, const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    std::unique_ptr<char, decltype(&std::free)> block(static_cast<char*>(std::aligned_alloc(4096, kBlock)), &std::free);
    for (auto _ : state) {
        const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            state.SkipWithError("cannot open the archive");
            return;
        }
        qint64 total = 0;
        for (ssize_t n; (n = ::read(fd, block.get(), kBlock)) > 0;)
            total += n;
        ::close(fd);
        benchmark::DoNotOptimize(total);
    }
}
} // namespace

void registerReadBenchmarks()
{
    for (const qint64 n : Bench::config().sizes)
        Bench::add(Bench::readName("appointments", n), [n](benchmark::State& state) {
            plainRead(state, QDir(Bench::appointmentsFolder(n)).filePath(TSchedaAppuntamento::fileName()));
        });
    const qint64 clients = Bench::config().clients;
    Bench::add(Bench::readName("clients", clients), [clients](benchmark::State& state) {
        plainRead(state, QDir(Bench::clientsFolder(clients)).filePath(TSchedaCliente::fileName()));
    });
}
