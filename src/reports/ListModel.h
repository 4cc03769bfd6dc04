#pragma once

#include "reports/ListLines.h"

#include <QAbstractListModel>
#include <QFont>

// The lines behind a ListBox. Each item has its own font (Courier New, black,
// independent of the style) and carries its record's position; a text is made
// only when its row is shown. Screens reach it through ListBox, never directly.
class ListModel final : public QAbstractListModel
{
public:
    static constexpr int PositionRole = Qt::UserRole;

    explicit ListModel(QObject* parent = nullptr);

    void setLines(ListLines lines);
    const ListLines& lines() const { return m_lines; }

    void setFontSize(int points);
    const QFont& font() const { return m_font; }
    // 0 lets each item be as wide as its text.
    void setItemWidth(int pixels);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    ListLines m_lines;
    QFont m_font;
    int m_itemWidth = 0;
};
