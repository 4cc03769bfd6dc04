#include "AgendaScreen.h"
#include "ArchiveGenerator.h"
#include "Bench.h"
#include "PaintProbe.h"

#include "agenda/AgendaList.h"
#include "agenda/TfrmAgenda.h"
#include "reports/ListBox.h"
#include "storage/RecordFile.h"

namespace {
std::string queryName(qint64 n)
{
    return "agenda/query/" + Bench::sizeLabel(n);
}

std::string changedName(qint64 n)
{
    return "agenda/query-changed/" + Bench::sizeLabel(n);
}

std::string shownName(qint64 n)
{
    return "agenda/shown-painted/" + Bench::sizeLabel(n);
}

// The agenda's list loading as its screen runs it, and the sort of its list
// box. Shown again over an archive nobody changed, it reads only the records
// whose places the last reading kept; after a change, or at the first showing,
// it reads every record.
void query(benchmark::State& state, qint64 n, bool changed)
{
    Bench::useDataFolder(Bench::appointmentsFolder(n));
    qsizetype lines = 0;
    for (auto _ : state) {
        if (changed) {
            state.PauseTiming();
            RecordFile::resetForTests();
            state.ResumeTiming();
        }
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
        Bench::add(queryName(n), [n](benchmark::State& state) { query(state, n, false); });
        Bench::add(changedName(n), [n](benchmark::State& state) { query(state, n, true); });
        Bench::add(shownName(n), [n](benchmark::State& state) { shown(state, n); });
        const double queryLimit = n == 100000 ? 20 : (n == 1000000 ? 200 : 0);
        Bench::addRow({"1", "Agenda: read, imminent rule, lines, sort, archive unchanged, " + Bench::sizeLabel(n),
                       queryName(n), queryLimit, Bench::readName("appointments", n), 1.5});
        Bench::addRow({"1", "Agenda: read, imminent rule, lines, sort, archive changed, " + Bench::sizeLabel(n),
                       changedName(n), queryLimit, Bench::readName("appointments", n), 1.5});
        const double shownLimit = n == 100000 ? 50 : (n == 1000000 ? 300 : 0);
        Bench::addRow({"2", "Agenda shown to first row painted, " + Bench::sizeLabel(n), shownName(n), shownLimit,
                       Bench::readName("appointments", n), 0});
    }
}
