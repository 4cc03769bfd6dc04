#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <vector>

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

// A line as the lists hold it (ListLines), made of fields as stored (their
// bytes, for example TSchedaAppuntamento::raw), each after its literal: a list
// of a million records decodes no field. The columns of a list's lines are
// declared once, as an object that outlives the lines made with it (lines
// tell layouts apart by their address); a column of width Unpadded is
// trimmed only (the last column):
//
//     static const ListLine::Layout columns{{"Data: ", 10}, {"  Importo: " CP1252_EURO " ", ListLine::Unpadded}};
//     lines.appendStored(position, columns, {raw(record, Field::Data), raw(record, Field::Importo)});
constexpr int Unpadded = -1;
// The euro sign in the code page, for the literals of the lines.
#define CP1252_EURO "\x80"
struct Column
{
    // A literal in the code page, as the line holds it.
    QByteArrayView before;
    int width;
};
using Layout = std::vector<Column>;
} // namespace ListLine
