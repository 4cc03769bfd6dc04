#pragma once

#include "reports/ListLines.h"
#include "reports/ListSearch.h"

#include <QListView>

class ListModel;

// The list box lstRecords of the list screens (promoted from QListView in their
// forms). A screen builds a ListLines while it reads its archive, each line with
// its record's 1-based position, and hands it over with setLines(); a sorted box
// sorts it then. A double-click (QListView::doubleClicked) or the agenda's click
// (clicked) reads selectedPosition() and loads exactly that record, reading it
// with RecordFile::read at position - 1. findInList() is the whole find of btnTrova.
class ListBox final : public QListView
{
    Q_OBJECT
    Q_PROPERTY(int itemFontSize READ itemFontSize WRITE setItemFontSize)
    Q_PROPERTY(bool sorted READ sorted WRITE setSorted)
public:
    // Wider than the box, so that long lines scroll horizontally.
    static constexpr int ItemWidth = 1600;

    explicit ListBox(QWidget* parent = nullptr);

    int itemFontSize() const { return m_fontSize; }
    void setItemFontSize(int points);
    bool sorted() const { return m_sorted; }
    void setSorted(bool sorted) { m_sorted = sorted; }

    // Replaces every line, then sets the item width and shows the scroll bars.
    void setLines(ListLines lines);
    // Removes every line.
    void clear();
    const ListLines& lines() const;
    qsizetype count() const { return lines().size(); }
    QString line(qsizetype row) const { return lines().line(row); }
    qint64 position(qsizetype row) const { return lines().position(row); }

    // -1 when no line is selected.
    qsizetype selectedRow() const;
    // Selects a line and scrolls it into view; -1 clears the selection.
    void selectRow(qsizetype row);
    // The record behind the selected line; 0 when no line is selected.
    qint64 selectedPosition() const;

    // Find-in-list: the plain message on an empty list, otherwise the next line
    // holding the typed text is selected (the selection stays when none does).
    void findInList(const QString& typed);
    // Empties the last search text (each showing of the screen).
    void resetSearch() { m_search.reset(); }
    const ListSearch& search() const { return m_search; }

private:
    ListModel* m_model;
    ListSearch m_search;
    int m_fontSize = 12;
    bool m_sorted = false;
};
