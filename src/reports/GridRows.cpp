#include "reports/GridRows.h"

#include "reports/ListSort.h"
#include "storage/Cp1252.h"

#include <cstring>

namespace {
using Offset = quint32;
} // namespace

GridCells::GridCells(std::initializer_list<QByteArrayView> cells)
{
    for (const QByteArrayView cell : cells)
        add(cell);
}

void GridCells::clear()
{
    m_text.resize(0);
    m_ends.clear();
}

void GridCells::add(QByteArrayView text)
{
    m_text.append(text);
    m_ends.push_back(Offset(m_text.size()));
}

void GridCells::extend(QByteArrayView text)
{
    if (m_ends.empty()) {
        add(text);
        return;
    }
    m_text.append(text);
    m_ends.back() = Offset(m_text.size());
}

GridRows::GridRows(int columnCount) : m_columnCount(qMax(0, columnCount)) {}

void GridRows::append(const GridCells& cells)
{
    const int used = qMin(cells.count(), m_columnCount);
    const Offset length = used == 0 ? 0 : cells.ends()[size_t(used - 1)];
    const qsizetype table = qsizetype(m_columnCount) * qsizetype(sizeof(Offset));
    const qsizetype start = m_text.size();
    m_text.resize(start + table + length);
    char* const row = m_text.data() + start;
    for (int c = 0; c < m_columnCount; ++c) {
        const Offset end = c < used ? cells.ends()[size_t(c)] : length;
        std::memcpy(row + qsizetype(c) * qsizetype(sizeof(Offset)), &end, sizeof(Offset));
    }
    if (length > 0) // an empty row's text may have no data at all
        std::memcpy(row + table, cells.text().data(), length);
    m_rows.push_back(start);
}

void GridRows::appendEmpty(qsizetype count)
{
    for (qsizetype i = 0; i < count; ++i)
        append(GridCells());
}

QString GridRows::cell(qsizetype row, int column) const
{
    const QByteArrayView bytes = stored(row, column);
    return Cp1252::decode(bytes.data(), bytes.size());
}

QByteArrayView GridRows::stored(qsizetype row, int column) const
{
    if (row < 0 || row >= size() || column < 0 || column >= m_columnCount)
        return {};
    const char* const table = m_text.constData() + m_rows[size_t(row)];
    const char* const text = table + qsizetype(m_columnCount) * qsizetype(sizeof(Offset));
    Offset from = 0;
    if (column > 0)
        std::memcpy(&from, table + qsizetype(column - 1) * qsizetype(sizeof(Offset)), sizeof(Offset));
    Offset to;
    std::memcpy(&to, table + qsizetype(column) * qsizetype(sizeof(Offset)), sizeof(Offset));
    return QByteArrayView(text + from, qsizetype(to - from));
}

void GridRows::sortByColumn(int column)
{
    if (column < 0 || column >= m_columnCount || m_rows.size() < 2)
        return;
    std::vector<QByteArrayView> texts;
    texts.reserve(m_rows.size());
    for (qsizetype r = 0; r < size(); ++r)
        texts.push_back(stored(r, column));
    std::vector<qsizetype> sorted;
    sorted.reserve(m_rows.size());
    for (const size_t row : ListSort::order(texts))
        sorted.push_back(m_rows[row]);
    m_rows.swap(sorted);
}
