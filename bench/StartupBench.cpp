#include "Bench.h"
#include "ChildProcess.h"
#include "PaintProbe.h"

#include "app/DataFolder.h"
#include "app/Screens.h"

#include <QTemporaryDir>

// The program's start: a fresh process creates the thirty screens in their
// order and shows the login screen; timed until the login screen is painted.
// The CPU time counts from the start of the process, so it includes loading
// the libraries and setting up the application object.
namespace {
int startupChild(const QStringList&)
{
    QTemporaryDir folder;
    DataFolder::setForTests(folder.path());
    Screens::createAll();
    QWidget* login = Screens::all().constFirst();
    PaintProbe probe(login);
    login->show();
    probe.waitForPaint();
    ChildProcess::print("child_cpu_ms", ChildProcess::cpuMs());
    Screens::destroyAll();
    return 0;
}
} // namespace

void registerStartupBenchmarks()
{
    ChildProcess::define(QStringLiteral("startup"), startupChild);
    Bench::add("startup/login-painted",
               [](benchmark::State& state) { Bench::runChild(state, QStringLiteral("startup"), {}); })
        ->UseManualTime()
        ->Iterations(1);
    Bench::addRow({"7", "Start-up: thirty screens created, login painted", "startup/login-painted", 300, ""});
}
