#include "Bench.h"

#include "app/DataFolder.h"
#include "app/Messages.h"
#include "appointments/TfrmExpScadenzario.h"

#include <QFileInfo>
#include <QTableView>
#include <QToolButton>

// The appointment archive export: the grid of every appointment loaded as the
// screen loads it, then "Esporta in Excel" timed from the click to the
// spreadsheet file complete on the disk.
namespace {
std::string exportName(qint64 n)
{
    return "export/appointments/" + Bench::sizeLabel(n);
}

void exportArchive(benchmark::State& state, qint64 n)
{
    Bench::useDataFolder(Bench::appointmentsFolder(n));
    Messages::setTestMode(true);
    TfrmExpScadenzario screen(nullptr);
    screen.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        // Yes to the export, No to opening the file.
        Messages::queueAnswer(true);
        Messages::queueAnswer(false);
        screen.cmdEsporta->click();
    }
    Messages::resetForTests();
    Messages::setTestMode(false);
    state.counters["MB"] =
        double(QFileInfo(DataFolder::filePath(QStringLiteral("Riepilogo_Appuntamenti.xls"))).size()) / 1e6;
    state.counters["rows"] = double(screen.grdRecords->model()->rowCount());
}
} // namespace

void registerExportBenchmarks()
{
    for (const qint64 n : Bench::config().sizes) {
        Bench::add(exportName(n), [n](benchmark::State& state) { exportArchive(state, n); });
        Bench::addRow({"4", "Spreadsheet export of the appointment archive, " + Bench::sizeLabel(n), exportName(n),
                       n == 100000 ? 1000.0 : 0.0, Bench::readName("appointments", n), 0});
    }
}
