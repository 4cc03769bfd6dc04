#include "AgendaScreen.h"
#include "ArchiveGenerator.h"
#include "Bench.h"
#include "PaintProbe.h"

#include "agenda/TfrmExpGiornaliere.h"
#include "agenda/TfrmExpImminenti.h"
#include "agenda/TfrmExpMensili.h"
#include "appointments/TfrmExpScadenzario.h"

#include <QTableView>

// The grid screens themselves: created as their callers create them, shown,
// loaded and sorted by their FormShow, timed until the grid's first rows are
// painted.
namespace {
template <class Screen> void shownGrid(benchmark::State& state, qint64 n)
{
    // The day and month grids read the agenda's calendar, which is on today.
    AgendaScreen::prepare(Bench::appointmentsFolder(n));
    qint64 rows = 0;
    for (auto _ : state) {
        auto* screen = new Screen(nullptr);
        {
            PaintProbe probe(screen->grdRecords->viewport());
            screen->show();
            probe.waitForPaint();
        }

        state.PauseTiming();
        rows = screen->grdRecords->model()->rowCount();
        delete screen;
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rows"] = double(rows);
}

std::string gridName(const char* grid, qint64 n)
{
    return std::string("grid/") + grid + "/" + Bench::sizeLabel(n);
}
} // namespace

void registerGridBenchmarks()
{
    for (const qint64 n : Bench::config().sizes) {
        const std::string size = Bench::sizeLabel(n);
        const std::string read = Bench::readName("appointments", n);
        // Judged on the large archives, where the reading is most of the work.
        const double ratio = n >= 100000 ? 2.0 : 0;
        Bench::add(gridName("imminent", n), [n](benchmark::State& state) { shownGrid<TfrmExpImminenti>(state, n); });
        Bench::addRow(
            {"3", "Imminent grid shown, loaded, sorted, painted, " + size, gridName("imminent", n), 0, read, ratio});
        Bench::add(gridName("day", n), [n](benchmark::State& state) { shownGrid<TfrmExpGiornaliere>(state, n); });
        Bench::addRow({"3", "Day grid shown, loaded, sorted, painted, " + size, gridName("day", n), 0, read, ratio});
        Bench::add(gridName("month", n), [n](benchmark::State& state) { shownGrid<TfrmExpMensili>(state, n); });
        Bench::addRow(
            {"3", "Month grid shown, loaded, sorted, painted, " + size, gridName("month", n), 0, read, ratio});
        Bench::add(gridName("archive", n), [n](benchmark::State& state) { shownGrid<TfrmExpScadenzario>(state, n); });
        Bench::addRow({"3", "Appointment archive grid (every record) shown, loaded, painted, " + size,
                       gridName("archive", n), 0, read, 0});
    }
}
