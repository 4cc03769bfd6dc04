#include "reports/ListModel.h"

#include "reportengine/ReportFont.h"

#include <QColor>
#include <QFontMetrics>
#include <QSize>

ListModel::ListModel(QObject* parent) : QAbstractListModel(parent)
{
    setFontSize(12);
}

void ListModel::setLines(ListLines lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

void ListModel::setFontSize(int points)
{
    beginResetModel();
    m_font = ReportFont::make(QStringLiteral("Courier New"), points);
    m_font.setHintingPreference(QFont::PreferDefaultHinting);
    endResetModel();
}

void ListModel::setItemWidth(int pixels)
{
    beginResetModel();
    m_itemWidth = pixels;
    endResetModel();
}

int ListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant ListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_lines.line(index.row());
    case Qt::FontRole:
        return m_font;
    case Qt::ForegroundRole:
        return QColor(Qt::black);
    case Qt::SizeHintRole:
        if (m_itemWidth > 0)
            return QSize(m_itemWidth, QFontMetrics(m_font).height() + 2);
        return {};
    case PositionRole:
        return m_lines.position(index.row());
    default:
        return {};
    }
}
