#include "AgendaScreen.h"
#include "ArchiveGenerator.h"
#include "Bench.h"
#include "PaintProbe.h"

#include "agenda/AgendaList.h"
#include "agenda/TfrmAgenda.h"
#include "reports/ListBox.h"

namespace {
std::string queryName(qint64 n)
{
    return "agenda/query/" + Bench::sizeLabel(n);
}

std::string shownName(qint64 n)
{
    return "agenda/shown-painted/" + Bench::sizeLabel(n);
}

// The agenda's list loading as its screen runs it, and the sort of its list box.
void query(benchmark::State& state, qint64 n)
{
    Bench::useDataFolder(Bench::appointmentsFolder(n));
    qsizetype lines = 0;
    for (auto _ : state) {
        ListLines list = AgendaList::imminentLines(ArchiveGenerator::today());
        list.sortFolded();
        lines = list.size();
        benchmark::DoNotOptimize(list);
    }
    state.counters["lines"] = double(lines);
}

// The agenda screen itself, shown as the launcher shows it: its FormShow
// loads the list, sets the pictures and plays the alert; timed until the
// first rows of the list are painted.
void shown(benchmark::State& state, qint64 n)
{
    AgendaScreen::prepare(Bench::appointmentsFolder(n));
    PaintProbe probe(frmAgenda->lstRecords->viewport());
    for (auto _ : state) {
        state.PauseTiming();
        frmAgenda->hide();
        QCoreApplication::processEvents();
        probe.reset();
        state.ResumeTiming();

        frmAgenda->Show();
        probe.waitForPaint();
    }
    state.counters["lines"] = double(frmAgenda->lstRecords->count());
    frmAgenda->hide();
}
} // namespace

void registerAgendaBenchmarks()
{
    for (const qint64 n : Bench::config().sizes) {
        Bench::add(queryName(n), [n](benchmark::State& state) { query(state, n); });
        Bench::add(shownName(n), [n](benchmark::State& state) { shown(state, n); });
        const double queryLimit = n == 100000 ? 20 : (n == 1000000 ? 200 : 0);
        Bench::addRow({"1", "Agenda: read, imminent rule, lines, sort, " + Bench::sizeLabel(n), queryName(n),
                       queryLimit, Bench::readName("appointments", n), 1.5});
        const double shownLimit = n == 100000 ? 50 : (n == 1000000 ? 300 : 0);
        Bench::addRow({"2", "Agenda shown to first row painted, " + Bench::sizeLabel(n), shownName(n), shownLimit,
                       Bench::readName("appointments", n), 0});
    }
}
