#pragma once

#include "reports/GridColumn.h"

#include <QList>
#include <QStringList>

struct TSchedaAppuntamento;

// The appointment columns shared by the archive export and the agenda's grids,
// from "Data appuntamento" to "Note". Values are shown as stored.
namespace AppointmentGrid {
// The grids differ only in the width of the date column.
QList<GridColumn> columns(int dateWidth);
QStringList cells(const TSchedaAppuntamento& appointment);
} // namespace AppointmentGrid
