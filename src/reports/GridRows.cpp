#include "reports/GridRows.h"

#include <QCollator>
#include <QStringEncoder>
#include <algorithm>
#include <cstring>
#include <numeric>

namespace {
using Offset = quint32;

Offset offsetAt(const QByteArray& row, int index)
{
    Offset value;
    std::memcpy(&value, row.constData() + qsizetype(index) * qsizetype(sizeof(Offset)), sizeof(Offset));
    return value;
}
} // namespace

GridRows::GridRows(int columnCount) : m_columnCount(qMax(0, columnCount)) {}

void GridRows::append(const QStringList& cells)
{
    const qsizetype table = qsizetype(m_columnCount) * qsizetype(sizeof(Offset));
    const qsizetype used = qMin<qsizetype>(cells.size(), m_columnCount);
    // Stateless: a broken surrogate pair at the end of one cell must not reach into the next.
    QStringEncoder utf8(QStringEncoder::Utf8, QStringConverter::Flag::Stateless);
    qsizetype space = table;
    for (qsizetype c = 0; c < used; ++c)
        space += utf8.requiredSpace(cells.at(c).size());

    QByteArray row(space, Qt::Uninitialized);
    char* const text = row.data() + table;
    char* end = text;
    for (int c = 0; c < m_columnCount; ++c) {
        if (c < used)
            end = utf8.appendToBuffer(end, cells.at(c));
        const Offset offset = Offset(end - text);
        std::memcpy(row.data() + qsizetype(c) * qsizetype(sizeof(Offset)), &offset, sizeof(Offset));
    }
    row.truncate(end - row.constData());
    m_rows.push_back(std::move(row));
}

void GridRows::appendEmpty(qsizetype count)
{
    // Every empty row shares one block.
    const QByteArray empty(qsizetype(m_columnCount) * qsizetype(sizeof(Offset)), '\0');
    m_rows.insert(m_rows.end(), size_t(qMax<qsizetype>(0, count)), empty);
}

QString GridRows::cell(qsizetype row, int column) const
{
    if (row < 0 || row >= size() || column < 0 || column >= m_columnCount)
        return {};
    const QByteArray& packed = m_rows[size_t(row)];
    const char* text = packed.constData() + qsizetype(m_columnCount) * qsizetype(sizeof(Offset));
    const Offset from = column == 0 ? 0 : offsetAt(packed, column - 1);
    const Offset to = offsetAt(packed, column);
    return QString::fromUtf8(text + from, qsizetype(to - from));
}

void GridRows::sortByColumn(int column)
{
    if (column < 0 || column >= m_columnCount || m_rows.size() < 2)
        return;
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // The collation keys of the C locale keep case, so the texts are folded first.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(m_rows.size());
    for (qsizetype r = 0; r < size(); ++r)
        keys.push_back(collator.sortKey(cell(r, column).toCaseFolded()));

    std::vector<size_t> order(m_rows.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&keys](size_t a, size_t b) { return keys[a].compare(keys[b]) < 0; });

    std::vector<QByteArray> sorted;
    sorted.reserve(m_rows.size());
    for (const size_t from : order)
        sorted.push_back(std::move(m_rows[from]));
    m_rows.swap(sorted);
}
