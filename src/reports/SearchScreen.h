#pragma once

#include "reports/ListLines.h"
#include "reports/ListScreen.h"

#include <QList>
#include <functional>

class ListPanel;
class QLabel;
class QLineEdit;
class QPushButton;
class SearchCriteria;

// What the two searches share: up to ten criterion boxes on panAvvio, "Cerca"
// with its waiting label, then the results on the panel panContainer, and
// "Annulla". Each search sets its controls up once, with the search it runs:
//     class TfrmTrovaClienti final : public SearchScreen, public Ui::TfrmTrovaClienti
class SearchScreen : public ListScreen
{
    Q_OBJECT
public:
    explicit SearchScreen(QWidget* parent = nullptr);

protected:
    struct Controls
    {
        // In the order of the search's fields, each with its focus frame.
        QList<QLineEdit*> boxes;
        QList<QWidget*> frames;
        QPushButton* btnCerca;
        QPushButton* btnAnnulla;
        QLabel* lblAttendere;
        QLabel* lblConta;
        QWidget* panAvvio;
        ListPanel* panContainer;
    };
    using Search = std::function<LoadedLines(const SearchCriteria& criteria)>;
    void setUpSearch(Controls controls, Search search);

    void FormShow() override;

private:
    void btnCercaMouseDown();
    void btnCercaClick();
    void btnAnnullaClick();
    void FormClose();

    Controls m_controls;
    Search m_search;
};
