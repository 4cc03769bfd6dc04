#include "reports/GridRows.h"

#include "reports/AsciiCase.h"
#include "reports/ListSort.h"

#include <QStringEncoder>
#include <algorithm>
#include <cstring>

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
    return QString::fromUtf8(utf8Cell(row, column));
}

QByteArrayView GridRows::utf8Cell(qsizetype row, int column) const
{
    if (row < 0 || row >= size() || column < 0 || column >= m_columnCount)
        return {};
    const QByteArray& packed = m_rows[size_t(row)];
    const char* text = packed.constData() + qsizetype(m_columnCount) * qsizetype(sizeof(Offset));
    const Offset from = column == 0 ? 0 : offsetAt(packed, column - 1);
    const Offset to = offsetAt(packed, column);
    return QByteArrayView(text + from, qsizetype(to - from));
}

void GridRows::sortByColumn(int column)
{
    if (column < 0 || column >= m_columnCount || m_rows.size() < 2)
        return;
    // Each row's text and key are made once; the keys decide nearly every
    // comparison, the texts the rest, and the row's place breaks ties.
    struct Keyed
    {
        ListSort::Key key;
        QString text;
        size_t row;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(m_rows.size());
    for (qsizetype r = 0; r < size(); ++r) {
        QString text = cell(r, column);
        const ListSort::Key key = ListSort::key(text);
        keyed.push_back({key, std::move(text), size_t(r)});
    }
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        if (!(a.key == b.key))
            return a.key < b.key;
        const int order = AsciiCase::compareFolded(a.text, b.text);
        return order != 0 ? order < 0 : a.row < b.row;
    });

    std::vector<QByteArray> sorted;
    sorted.reserve(m_rows.size());
    for (const Keyed& k : keyed)
        sorted.push_back(std::move(m_rows[k.row]));
    m_rows.swap(sorted);
}
