#pragma once

#include "reports/GridRows.h"

#include <QAbstractTableModel>
#include <QStringList>

// The texts of a grid screen's grid: a header per column and the rows, read
// only. Loading hands over the rows built aside in one go, so that the view
// is told once however many rows there are.
class GridModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit GridModel(QStringList headers, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const GridRows& rows() const { return m_rows; }
    void setRows(GridRows rows);
    // The grid sort of GridRows; the view is not redrawn meanwhile.
    void sortByColumn(int column);

private:
    QStringList m_headers;
    GridRows m_rows;
};
