#pragma once

#include "reports/GridColumn.h"

#include <QList>
#include <QString>

class GridRows;
class QIODevice;

// The spreadsheet file of the grid screens: an HTML table with the
// spreadsheet program's XML namespaces, one line with no line break at all,
// in Windows-1252 (the charset it declares), saved with the extension ".xls".
namespace SpreadsheetDocument {
// Writes the whole document to device: the worksheet named sheetName, a
// header cell per column (its file title and width), then a row per grid row
// with the grid's columns 1 to columns.size(); column 0, the row number, is
// not written. Cell texts are trimmed and escaped, so the spreadsheet shows
// them as stored. The document goes out in chunks of a fixed size, so the
// memory it takes does not grow with the grid. False when a write fails.
bool write(QIODevice& device, const QString& sheetName, const QList<GridColumn>& columns, const GridRows& rows);

// Writes the document to path through a temporary file in the same folder that
// replaces the old file only when complete, so a failure leaves the previous
// file whole. The error text, empty on success.
QString save(const QString& path, const QString& sheetName, const QList<GridColumn>& columns, const GridRows& rows);
} // namespace SpreadsheetDocument
