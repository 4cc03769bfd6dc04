#include "Bench.h"

#include "ArchiveGenerator.h"
#include "app/DataFolder.h"
#include "storage/TSchedaAppuntamento.h"
#include "storage/TSchedaCliente.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <map>
#include <unistd.h>
#include <vector>

namespace {
Bench::Config s_config;
std::vector<Bench::Row> s_rows;

// Generates an archive in its own folder unless the folder already holds the
// archive of this generator version.
QString ensureArchive(const QString& kind, qint64 count, const QString& fileName,
                      QString (*write)(const QString&, qint64))
{
    const QString folder = QDir(s_config.dataRoot).filePath(kind + QString::number(count));
    const QString stamp = QDir(folder).filePath(QStringLiteral("generator-version"));
    const QByteArray version = QByteArray::number(ArchiveGenerator::Version);
    QFile stampFile(stamp);
    if (stampFile.open(QIODevice::ReadOnly) && stampFile.readAll() == version &&
        QFileInfo::exists(QDir(folder).filePath(fileName)))
        return folder;
    stampFile.close();

    QDir().mkpath(folder);
    std::fprintf(stderr, "Generating %s %lld in %s...\n", qPrintable(fileName), static_cast<long long>(count),
                 qPrintable(folder));
    const QString error = write(QDir(folder).filePath(fileName), count);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "Cannot write %s: %s\n", qPrintable(fileName), qPrintable(error));
        std::exit(1);
    }
    // Whatever else the folder held (a database built from the old archive) is stale.
    for (const QString& other : QDir(folder).entryList(QDir::Files))
        if (other != fileName)
            QFile::remove(QDir(folder).filePath(other));
    if (!stampFile.open(QIODevice::WriteOnly | QIODevice::Truncate) || stampFile.write(version) != version.size())
        std::exit(1);
    return folder;
}

std::string loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return "unknown";
    return file.readLine().split(' ').mid(0, 3).join(' ').toStdString();
}

struct Measured
{
    double cpuMs = 0;
    double wallMs = 0;
    double mib = 0;
};

// The console output as usual, and the medians kept for the table.
class TableReporter final : public benchmark::ConsoleReporter
{
public:
    explicit TableReporter(bool color) : benchmark::ConsoleReporter(color ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        benchmark::ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (run.error_occurred)
                ++m_errors;
            if (run.error_occurred || !(median || single))
                continue;
            Measured m;
            const double toMs = 1000.0 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            m.cpuMs = run.GetAdjustedCPUTime() * toMs;
            m.wallMs = run.GetAdjustedRealTime() * toMs;
            if (const auto child = run.counters.find("child_cpu_ms"); child != run.counters.end())
                m.cpuMs = child->second.value;
            if (const auto mib = run.counters.find("MiB"); mib != run.counters.end())
                m.mib = mib->second.value;
            m_measured[run.run_name.function_name] = m;
        }
    }

    void Finalize() override
    {
        benchmark::ConsoleReporter::Finalize();
        std::FILE* out = stdout;
        std::fprintf(out, "\nTargets (median CPU time of one core; load average at start %s, at end %s)\n\n",
                     m_loadAtStart.c_str(), loadAverage().c_str());
        std::fprintf(out, "| Target | What | Median | Limit | Ratio | Ratio limit | Met |\n");
        std::fprintf(out, "|---|---|---:|---:|---:|---:|---|\n");
        std::stable_sort(s_rows.begin(), s_rows.end(),
                         [](const Bench::Row& a, const Bench::Row& b) { return a.target < b.target; });
        for (const Bench::Row& row : s_rows) {
            const auto it = m_measured.find(row.benchmark);
            if (it == m_measured.end())
                continue;
            const double value = row.memory ? it->second.mib : it->second.cpuMs;
            bool met = row.limit <= 0 || value <= row.limit;
            std::string ratioText = "";
            std::string ratioLimitText = "";
            if (!row.baseline.empty()) {
                const auto base = m_measured.find(row.baseline);
                if (base != m_measured.end() && base->second.cpuMs > 0) {
                    const double ratio = value / base->second.cpuMs;
                    ratioText = format("%.2f \xC3\x97 %s", ratio, row.baseline.c_str());
                    if (row.ratioLimit > 0)
                        met = met && (row.ratioAtLeast ? ratio >= row.ratioLimit : ratio <= row.ratioLimit);
                } else if (row.ratioLimit > 0) {
                    // Not judged without its yardstick in this run.
                    met = false;
                    ratioText = "no " + row.baseline;
                }
                if (row.ratioLimit > 0)
                    ratioLimitText =
                        format(row.ratioAtLeast ? "\xE2\x89\xA5 %.1f" : "\xE2\x89\xA4 %.1f", row.ratioLimit);
            }
            const std::string valueText = row.memory ? format("%.1f MiB", value) : format("%.1f ms", value);
            const std::string limitText =
                row.limit <= 0 ? "" : (row.memory ? format("%.0f MiB", row.limit) : format("%.0f ms", row.limit));
            std::fprintf(out, "| %s | %s | %s | %s | %s | %s | %s |\n", row.target.c_str(), row.what.c_str(),
                         valueText.c_str(), limitText.c_str(), ratioText.c_str(), ratioLimitText.c_str(),
                         row.limit > 0 || row.ratioLimit > 0 ? (met ? "yes" : "NO") : "");
        }
        std::fflush(out);
    }

    int errors() const { return m_errors; }

private:
    template <class... Args> static std::string format(const char* pattern, Args... args)
    {
        char buffer[256];
        std::snprintf(buffer, sizeof buffer, pattern, args...);
        return buffer;
    }

    std::map<std::string, Measured> m_measured;
    int m_errors = 0;
    std::string m_loadAtStart = loadAverage();
};
} // namespace

const Bench::Config& Bench::config()
{
    return s_config;
}

void Bench::setConfig(Config config)
{
    s_config = std::move(config);
}

std::string Bench::sizeLabel(qint64 count)
{
    if (count >= 1000000 && count % 1000000 == 0)
        return std::to_string(count / 1000000) + "M";
    if (count >= 1000 && count % 1000 == 0)
        return std::to_string(count / 1000) + "k";
    return std::to_string(count);
}

QString Bench::appointmentsFolder(qint64 count)
{
    return ensureArchive(QStringLiteral("appointments-"), count, TSchedaAppuntamento::fileName(),
                         &ArchiveGenerator::writeAppointments);
}

QString Bench::clientsFolder(qint64 count)
{
    return ensureArchive(QStringLiteral("clients-"), count, TSchedaCliente::fileName(),
                         &ArchiveGenerator::writeClients);
}

void Bench::useDataFolder(const QString& folder)
{
    DataFolder::setForTests(folder);
}

void Bench::addRow(Row row)
{
    s_rows.push_back(std::move(row));
}

benchmark::internal::Benchmark* Bench::add(const std::string& name, std::function<void(benchmark::State&)> run)
{
    return benchmark::RegisterBenchmark(name.c_str(), [run](benchmark::State& state) { run(state); })
        ->Unit(benchmark::kMillisecond);
}

std::string Bench::readName(const std::string& archive, qint64 count)
{
    return "read/" + archive + "/" + sizeLabel(count);
}

int Bench::run(int argc, char** argv)
{
    // Medians of several runs unless told otherwise.
    std::vector<std::string> defaults = {"--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true",
                                         "--benchmark_min_time=0.1", "--benchmark_min_warmup_time=0.05"};
    std::vector<char*> args(argv, argv + argc);
    for (std::string& d : defaults) {
        const std::string flag = d.substr(0, d.find('='));
        bool given = false;
        for (int i = 1; i < argc; ++i)
            given = given || std::string(argv[i]).rfind(flag, 0) == 0;
        if (!given)
            args.push_back(d.data());
    }
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 2;
    // Colours only on a terminal, and never when told so.
    bool color = ::isatty(STDOUT_FILENO);
    for (int i = 1; i < argc; ++i)
        color = color && std::string(argv[i]) != "--benchmark_color=false";
    TableReporter reporter(color);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.errors() == 0 ? 0 : 1;
}
