#pragma once

#include "reports/GridColumn.h"

#include <QList>

class GridCells;

// The appointment columns shared by the archive export and the agenda's grids,
// from "Data appuntamento" to "Note". Values are shown as stored.
namespace AppointmentGrid {
// The grids differ only in the width of the date column.
QList<GridColumn> columns(int dateWidth);
// Adds the cells of a stored appointment (TSchedaAppuntamento::Size bytes), trimmed.
void addCells(const char* record, GridCells& cells);
} // namespace AppointmentGrid
