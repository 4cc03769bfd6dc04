#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

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
// of a million records decodes no field. A piece of width Unpadded is trimmed
// only (the last column). Handed to ListLines::appendStored:
//
//     lines.appendStored(position, {{"Data: ", raw(record, Field::Data), 10},
//                                   {"  Importo: " CP1252_EURO " ", raw(record, Field::Importo), ListLine::Unpadded}});
constexpr int Unpadded = -1;
// The euro sign in the code page, for the literals of the lines.
#define CP1252_EURO "\x80"
struct StoredPiece
{
    // A literal in the code page, as the line holds it.
    QByteArrayView before;
    QByteArrayView stored;
    int width;
};
} // namespace ListLine
