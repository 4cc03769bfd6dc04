#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <initializer_list>
#include <vector>

// One row of a grid while it is made: its cells in column order, each in the
// Windows-1252 bytes of the archive it comes from. Clearing keeps the room,
// so a screen makes every row of an archive in the same one.
class GridCells final
{
public:
    GridCells() = default;
    GridCells(std::initializer_list<QByteArrayView> cells);

    void clear();
    // A new cell.
    void add(QByteArrayView text);
    // More text at the end of the last cell (a new cell when there is none).
    void extend(QByteArrayView text);

    int count() const { return int(m_ends.size()); }
    QByteArrayView text() const { return m_text; }
    // Where in text() each cell ends.
    const std::vector<quint32>& ends() const { return m_ends; }

private:
    QByteArray m_text;
    std::vector<quint32> m_ends;
};

// The texts of a grid, in Windows-1252 as the archives hold them: every cell
// is a stored field, or made of stored fields and plain ASCII, so the grid of
// a whole large archive takes one byte a character, and only the cells shown
// become QStrings. The rows share one buffer, each row a table of where its
// cells end followed by its cells' bytes.
class GridRows final
{
public:
    explicit GridRows(int columnCount = 0);

    int columnCount() const { return m_columnCount; }
    qsizetype size() const { return qsizetype(m_rows.size()); }

    // Cells past columnCount are dropped, missing ones are empty.
    void append(const GridCells& cells);
    void appendEmpty(qsizetype count);
    QString cell(qsizetype row, int column) const;
    // The same cell's bytes; valid until the next append.
    QByteArrayView stored(qsizetype row, int column) const;

    // The grid sort: rows in ascending order of the text of column, with a-z
    // compared as A-Z and every other character by its code, the same on
    // every machine whatever its locale. Every cell moves with its row; rows
    // with equal texts keep their order.
    void sortByColumn(int column);

private:
    int m_columnCount;
    QByteArray m_text;
    // Where each row starts in m_text, in the grid's order.
    std::vector<qsizetype> m_rows;
};
