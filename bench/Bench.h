#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <benchmark/benchmark.h>
#include <functional>
#include <string>

// What the benchmark files share: the sizes of this run, the folders of the
// generated archives, and the rows of the targets table printed at the end.
//
// Every time in the table is the median CPU time of the benchmark's thread
// (or of its child process), since the targets are for one core and the
// machine may be busy with other work; wall times are in the run's output.
namespace Bench {
struct Config
{
    // Where generated archives are kept between runs.
    QString dataRoot;
    // Appointment archive sizes.
    QList<qint64> sizes;
    // Client archive size.
    qint64 clients = 100000;
    // This program, for the benchmarks run in a child process.
    QString program;
};
const Config& config();
void setConfig(Config config);

// "1k", "10k", "100k", "1M".
std::string sizeLabel(qint64 count);

// The folder holding "Archivio_Appuntamenti.pro" with count appointments, or
// "Contatti.pro" with count clients, generated the first time.
QString appointmentsFolder(qint64 count);
QString clientsFolder(qint64 count);
// Points the program's data folder at folder.
void useDataFolder(const QString& folder);

// How the table judges a row.
struct Row
{
    std::string target;    // "1" to "7"
    std::string what;      // what is measured
    std::string benchmark; // the benchmark's name
    // The time limit in milliseconds, 0 for none; for memory rows, the limit in MiB.
    double limit = 0;
    // The benchmark this one is divided by ("" for none), and the ratio limit.
    std::string baseline;
    double ratioLimit = 0;
    // False: the ratio must be at most ratioLimit; true: at least.
    bool ratioAtLeast = false;
    // The value is the counter "MiB" instead of a time.
    bool memory = false;
};
void addRow(Row row);

// Registers a benchmark timed in milliseconds.
benchmark::internal::Benchmark* add(const std::string& name, std::function<void(benchmark::State&)> run);

// The name of the plain read benchmark of an archive.
std::string readName(const std::string& archive, qint64 count);

// Runs a part of ChildProcess once per iteration: its wall time to its first
// line is the iteration's time (the benchmark uses manual time), and every
// number it prints becomes a counter ("child_cpu_ms" is the table's time).
void runChild(benchmark::State& state, const QString& part, const QStringList& args);

// Runs the registered benchmarks and prints the targets table.
int run(int argc, char** argv);
} // namespace Bench

// Each benchmark file registers its benchmarks for the configured sizes.
void registerReadBenchmarks();
void registerAgendaBenchmarks();
void registerSqliteBenchmarks();
void registerSearchBenchmarks();
void registerGridBenchmarks();
void registerExportBenchmarks();
void registerStartupBenchmarks();
void registerMemoryBenchmarks();
