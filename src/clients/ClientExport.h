#pragma once

#include "reports/GridColumn.h"

#include <QList>
#include <QStringList>

struct TSchedaCliente;

// The client archive as the export grid shows it and "Clienti.xls" holds it:
// 25 columns after the row number, from "Cognome e nome" to "Note". The sex,
// the postcode, the recontact flag and the attachments are left out.
namespace ClientExport {
QList<GridColumn> columns();
// A client's 25 cells, as stored. The towns are joined to their provinces by
// one space, so an empty province leaves a trailing space in the grid (the
// spreadsheet file trims every cell).
QStringList cells(const TSchedaCliente& client);
} // namespace ClientExport
