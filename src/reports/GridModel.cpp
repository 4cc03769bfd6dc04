#include "reports/GridModel.h"

GridModel::GridModel(QStringList headers, QObject* parent)
    : QAbstractTableModel(parent), m_headers(std::move(headers)), m_rows(int(m_headers.size()))
{
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows.columnCount();
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_rows.cell(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_headers.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_headers.at(section);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return {};
    }
}

void GridModel::setRows(GridRows rows)
{
    Q_ASSERT(rows.columnCount() == m_rows.columnCount());
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void GridModel::sortByColumn(int column)
{
    beginResetModel();
    m_rows.sortByColumn(column);
    endResetModel();
}
