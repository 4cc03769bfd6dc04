#include "AgendaScreen.h"
#include "ArchiveGenerator.h"
#include "Bench.h"
#include "ChildProcess.h"
#include "PaintProbe.h"

#include "agenda/AgendaList.h"
#include "agenda/TfrmAgenda.h"
#include "app/Messages.h"
#include "appointments/TfrmExpScadenzario.h"
#include "reports/ListBox.h"

#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

// Memory beyond what the process held just before the action: the peak
// resident size during the action minus the resident size before it, in a
// fresh process so that the peak is the action's own.
namespace {
void printGrowth(double before)
{
    ChildProcess::print("MiB", ChildProcess::peakResidentMiB() - before);
}

int agendaChild(const QStringList& args)
{
    Bench::useDataFolder(Bench::appointmentsFolder(args.value(0).toLongLong()));
    const double before = ChildProcess::residentMiB();
    ListLines lines = AgendaList::imminentLines(ArchiveGenerator::today());
    lines.sortFolded();
    printGrowth(before);
    ChildProcess::print("lines", double(lines.size()));
    return 0;
}

int agendaShownChild(const QStringList& args)
{
    AgendaScreen::prepare(Bench::appointmentsFolder(args.value(0).toLongLong()));
    // Qt's own: the screen drawn once with an empty list.
    {
        const QTemporaryDir empty;
        Bench::useDataFolder(empty.path());
        PaintProbe probe(frmAgenda->lstRecords->viewport());
        frmAgenda->Show();
        probe.waitForPaint();
        frmAgenda->hide();
        QCoreApplication::processEvents();
    }
    Bench::useDataFolder(Bench::appointmentsFolder(args.value(0).toLongLong()));
    const double before = ChildProcess::residentMiB();
    PaintProbe probe(frmAgenda->lstRecords->viewport());
    frmAgenda->Show();
    probe.waitForPaint();
    printGrowth(before);
    ChildProcess::print("lines", double(frmAgenda->lstRecords->count()));
    return 0;
}

// The export's own memory, beyond the grid it writes (which holds the result).
int exportChild(const QStringList& args)
{
    Bench::useDataFolder(Bench::appointmentsFolder(args.value(0).toLongLong()));
    Messages::setTestMode(true);
    const double empty = ChildProcess::residentMiB();
    TfrmExpScadenzario screen(nullptr);
    screen.show();
    QCoreApplication::processEvents();
    const double before = ChildProcess::residentMiB();
    Messages::queueAnswer(true);
    Messages::queueAnswer(false);
    screen.cmdEsporta->click();
    printGrowth(before);
    ChildProcess::print("grid_MiB", before - empty);
    return 0;
}

void add(const std::string& what, const std::string& name, const QString& part, qint64 n, double limit)
{
    Bench::add(name,
               [part, n](benchmark::State& state) {
                   // Generated here, so that generating is no part of the child's peak.
                   Bench::appointmentsFolder(n);
                   Bench::runChild(state, part, {QString::number(n)});
               })
        ->UseManualTime()
        ->Iterations(1);
    Bench::addRow({"5", what + ", " + Bench::sizeLabel(n), name, limit, "", 0, false, true});
}
} // namespace

void registerMemoryBenchmarks()
{
    ChildProcess::define(QStringLiteral("memory-agenda"), agendaChild);
    ChildProcess::define(QStringLiteral("memory-agenda-shown"), agendaShownChild);
    ChildProcess::define(QStringLiteral("memory-export"), exportChild);
    for (const qint64 n : Bench::config().sizes) {
        const std::string size = Bench::sizeLabel(n);
        add("Memory of the agenda query", "memory/agenda/" + size, QStringLiteral("memory-agenda"), n, 64);
        add("Memory of the agenda screen shown, its list loaded and painted", "memory/agenda-shown/" + size,
            QStringLiteral("memory-agenda-shown"), n, 64);
        add("Memory of the export beyond its grid", "memory/export/" + size, QStringLiteral("memory-export"), n, 64);
    }
}
