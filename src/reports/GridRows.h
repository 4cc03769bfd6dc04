#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

// The texts of a grid, one allocation per row (a table of where each cell
// ends, then the cells in UTF-8), so that a grid of a whole large archive
// stays within a desktop's memory.
class GridRows final
{
public:
    explicit GridRows(int columnCount = 0);

    int columnCount() const { return m_columnCount; }
    qsizetype size() const { return qsizetype(m_rows.size()); }

    // Cells past columnCount are dropped, missing ones are empty.
    void append(const QStringList& cells);
    void appendEmpty(qsizetype count);
    QString cell(qsizetype row, int column) const;
    // The same cell as held here, in UTF-8.
    QByteArrayView utf8Cell(qsizetype row, int column) const;

    // The grid sort: rows in ascending order of the text of column, with a-z
    // compared as A-Z and every other UTF-16 unit by its code, the same on
    // every machine whatever its locale. Every cell moves with its row; rows
    // with equal texts keep their order.
    void sortByColumn(int column);

private:
    int m_columnCount;
    std::vector<QByteArray> m_rows;
};
