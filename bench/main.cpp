#include "Bench.h"
#include "ChildProcess.h"

#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// brivanta_bench [--data=DIR] [--sizes=1000,10000,100000,1000000] [--clients=100000] [benchmark flags]
// Generates the archives it needs into DIR once, runs every benchmark (a
// median of five repetitions unless --benchmark_repetitions says otherwise)
// and prints the targets table.
int main(int argc, char** argv)
{
    // The screens are drawn off screen, as in the tests.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("QT_LOGGING_RULES"))
        qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");

    Bench::Config config;
    config.dataRoot = QStringLiteral(BRIVANTA_BENCH_DATA);
    config.sizes = {1000, 10000, 100000, 1000000};
    config.program = QString::fromLocal8Bit(argv[0]);
    std::vector<char*> rest{argv[0]};
    QString child;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&arg]() { return QString::fromStdString(arg.substr(arg.find('=') + 1)); };
        if (arg.rfind("--data=", 0) == 0) {
            config.dataRoot = value();
        } else if (arg.rfind("--sizes=", 0) == 0) {
            config.sizes.clear();
            for (const QString& size : value().split(QLatin1Char(','), Qt::SkipEmptyParts))
                config.sizes.append(size.toLongLong());
        } else if (arg.rfind("--clients=", 0) == 0) {
            config.clients = value().toLongLong();
        } else if (arg.rfind("--child=", 0) == 0) {
            child = value();
        } else {
            rest.push_back(argv[i]);
        }
    }
    config.dataRoot = QDir(config.dataRoot).absolutePath();
    config.program = QDir(config.program).absolutePath();
    Bench::setConfig(config);

    int qtArgc = 1;
    QApplication application(qtArgc, argv);

    registerReadBenchmarks();
    registerAgendaBenchmarks();
    registerSqliteBenchmarks();
    registerSearchBenchmarks();
    registerGridBenchmarks();
    registerExportBenchmarks();
    registerStartupBenchmarks();
    registerMemoryBenchmarks();
    if (!child.isEmpty()) {
        QStringList args;
        for (size_t i = 1; i < rest.size(); ++i)
            args.append(QString::fromLocal8Bit(rest[i]));
        return ChildProcess::run(child, args);
    }
    return Bench::run(int(rest.size()), rest.data());
}
