#pragma once

#include "reports/ListReport.h"
#include "ui_ListPanel.h"

class QKeyEvent;

// The body shared by the list screens and the result panel of the two searches:
// panContainer (833 x 529) with the find field, the list box lstRecords, the
// Trova, Stampa and Chiudi buttons and the screen's list report frxReport.
// A screen derives from ListScreen, places a QWidget named panContainer
// (14,15; 833 x 529) in its form, promoted to ListPanel (header
// "reports/ListPanel.h", as a container), and then:
//   - in its constructor calls setTitle() (and setSearchResults() for a search),
//     sets lstRecords' sorted/itemFontSize if its list needs them, and connects
//     lstRecords' doubleClicked to its own lstRecordsDblClick;
//   - in FormShow calls clearSearch(), loads lstRecords with setLines() and
//     focuses txtTrova;
//   - in lstRecordsDblClick reads lstRecords->selectedPosition().
// Find (btnTrova, Return in txtTrova), printing and closing are done here.
class ListPanel final : public QWidget, public Ui::ListPanel
{
    Q_OBJECT
public:
    explicit ListPanel(QWidget* parent = nullptr);

    // The title picture (a name of Look's pictures) and the printed report's title.
    void setTitle(const QString& picture, const QString& reportTitle);
    const QString& reportTitle() const { return m_reportTitle; }
    // The look of a search's result panel: its hint, its instruction picture
    // icoIstruzioni01 and the count label lblTrovate.
    void setSearchResults();
    // lblTrovate after a search.
    void setCount(qsizetype lines);

    // The first steps of each showing: the last search text emptied, the first
    // line selected, txtTrova emptied.
    void clearSearch();

    ListReport frxReport;

private:
    bool txtTrovaKeyDown(QKeyEvent* event);
    void btnTrovaClick();
    void btnStampaClick();
    void btnChiudiClick();

    QString m_reportTitle;
};
