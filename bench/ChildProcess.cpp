#include "ChildProcess.h"

#include "Bench.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <cstdio>
#include <sys/resource.h>

namespace {
QMap<QString, ChildProcess::Part>& parts()
{
    static QMap<QString, ChildProcess::Part> defined;
    return defined;
}

// A line "VmRSS:   1234 kB" of /proc/self/status, in MiB.
double statusMiB(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qsizetype(qstrlen(key))).trimmed().split(' ').constFirst().toDouble() / 1024.0;
    return -1;
}
} // namespace

void ChildProcess::define(const QString& name, Part part)
{
    parts().insert(name, std::move(part));
}

int ChildProcess::run(const QString& name, const QStringList& args)
{
    const auto part = parts().constFind(name);
    if (part == parts().constEnd()) {
        std::fprintf(stderr, "No part %s\n", qPrintable(name));
        return 2;
    }
    return (*part)(args);
}

QMap<QString, double> ChildProcess::spawn(const QString& name, const QStringList& args)
{
    const Bench::Config& config = Bench::config();
    QStringList arguments{QStringLiteral("--child=") + name, QStringLiteral("--data=") + config.dataRoot};
    arguments += args;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(config.program, arguments);
    QMap<QString, double> values;
    if (!process.waitForStarted(-1))
        return values;
    bool first = true;
    while (process.state() != QProcess::NotRunning || process.canReadLine()) {
        if (!process.canReadLine() && !process.waitForReadyRead(-1) && !process.canReadLine())
            break;
        while (process.canReadLine()) {
            if (first) {
                values.insert(QStringLiteral("wall_ms"), double(clock.nsecsElapsed()) / 1e6);
                first = false;
            }
            const QList<QByteArray> words = process.readLine().trimmed().split(' ');
            if (words.size() == 2)
                values.insert(QString::fromLatin1(words.at(0)), words.at(1).toDouble());
        }
    }
    process.waitForFinished(-1);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        values.clear();
    return values;
}

void ChildProcess::print(const char* name, double value)
{
    std::printf("%s %.3f\n", name, value);
    std::fflush(stdout);
}

double ChildProcess::cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double ChildProcess::residentMiB()
{
    return statusMiB("VmRSS:");
}

double ChildProcess::peakResidentMiB()
{
    return statusMiB("VmHWM:");
}

// Runs a child part once per iteration; its wall time to the first line is
// the iteration's time, and every number it prints becomes a counter.
void Bench::runChild(benchmark::State& state, const QString& part, const QStringList& args)
{
    QMap<QString, double> sums;
    for (auto _ : state) {
        const QMap<QString, double> values = ChildProcess::spawn(part, args);
        if (values.isEmpty()) {
            state.SkipWithError("the child process failed");
            return;
        }
        state.SetIterationTime(values.value(QStringLiteral("wall_ms")) / 1000.0);
        for (auto it = values.constBegin(); it != values.constEnd(); ++it)
            sums[it.key()] += it.value();
    }
    for (auto it = sums.constBegin(); it != sums.constEnd(); ++it)
        state.counters[it.key().toStdString()] = benchmark::Counter(it.value(), benchmark::Counter::kAvgIterations);
}
