#include "reports/ListBox.h"

#include "app/Messages.h"
#include "reports/ListModel.h"

ListBox::ListBox(QWidget* parent) : QListView(parent), m_model(new ListModel(this))
{
    setModel(m_model);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void ListBox::setItemFontSize(int points)
{
    m_fontSize = points;
    m_model->setFontSize(points);
}

void ListBox::setLines(ListLines lines)
{
    if (m_sorted)
        lines.sortFolded();
    m_model->setLines(std::move(lines));
    m_model->setItemWidth(ItemWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void ListBox::clear()
{
    m_model->setLines(ListLines());
}

const ListLines& ListBox::lines() const
{
    return m_model->lines();
}

qsizetype ListBox::selectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ListBox::selectRow(qsizetype row)
{
    if (row < 0 || row >= count()) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = m_model->index(int(row));
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

qint64 ListBox::selectedPosition() const
{
    const qsizetype row = selectedRow();
    return row < 0 ? 0 : position(row);
}

void ListBox::findInList(const QString& typed)
{
    const ListSearch::Result result = m_search.find(lines(), selectedRow(), typed);
    if (result.outcome == ListSearch::Outcome::EmptyList) {
        Messages::plain(window(), QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    selectRow(result.row);
}
