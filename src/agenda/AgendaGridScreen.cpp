#include "agenda/AgendaGridScreen.h"

#include "agenda/TfrmAgenda.h"
#include "appointments/AppointmentGrid.h"
#include "storage/TSchedaAppuntamento.h"

namespace {
const int kKeyColumn = 14;
} // namespace

AgendaGridScreen::AgendaGridScreen(QWidget* parent) : GridScreen(parent) {}

void AgendaGridScreen::setUpAgendaGrid(const QString& logo, const QString& fileName, const QString& sheetName)
{
    QList<GridColumn> columns = AppointmentGrid::columns(140);
    columns.append({QStringLiteral("Codice univoco"), 150, QStringLiteral("Codice univoco"), 150});
    setUpGrid({logo, fileName, sheetName, columns, Help::grids()});
}

QDate AgendaGridScreen::calendarDate()
{
    return frmAgenda->calAppuntamenti->selectedDate();
}

void AgendaGridScreen::FormShow()
{
    const bool loaded = loadGrid(TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size, selection(),
                                 [](const char* record, GridCells& cells) {
                                     AppointmentGrid::addCells(record, cells);
                                     cells.add(AgendaSelection::sortKey(record).view());
                                 });
    if (loaded)
        sortGrid(kKeyColumn);
}
