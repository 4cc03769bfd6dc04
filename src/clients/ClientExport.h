#pragma once

#include "reports/GridColumn.h"

#include <QList>

class GridCells;

// The client archive as the export grid shows it and "Clienti.xls" holds it:
// 25 columns after the row number, from "Cognome e nome" to "Note". The sex,
// the postcode, the recontact flag and the attachments are left out.
namespace ClientExport {
QList<GridColumn> columns();
// Adds the 25 cells of a stored client (TSchedaCliente::Size bytes), trimmed.
// The towns are joined to their provinces by one space, so an empty province
// leaves a trailing space in the grid (the spreadsheet file trims every cell).
void addCells(const char* record, GridCells& cells);
} // namespace ClientExport
