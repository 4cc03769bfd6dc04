#pragma once

#include <QString>

// The column rule of every list line. A line is built piece by piece: literal
// separators appended as they are, each field as a column of fixed width, the
// last field trimmed only. Widths count UTF-16 units.
//
//     QString line = QStringLiteral("Data: ");
//     ListLine::appendColumn(line, record.Data, 10);
//     line += QStringLiteral("  Importo: \u20AC ");
//     ListLine::appendLast(line, record.Importo);
namespace ListLine {
// The value trimmed, then padded with spaces or cut to width.
QString column(const QString& value, int width);
void appendColumn(QString& line, const QString& value, int width);
// The value trimmed, neither padded nor cut.
void appendLast(QString& line, const QString& value);
} // namespace ListLine
