#include "reports/SearchScreen.h"

#include "app/Conventions.h"
#include "app/Messages.h"
#include "reports/ListBox.h"
#include "reports/ListPanel.h"
#include "reports/SearchCriteria.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString kArchiveError =
    QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
                   "privilegi di scrittura nella cartella di installazione del programma.");
} // namespace

SearchScreen::SearchScreen(QWidget* parent) : ListScreen(parent) {}

void SearchScreen::setUpSearch(Controls controls, Search search)
{
    m_controls = std::move(controls);
    m_search = std::move(search);
    const QList<QLineEdit*>& boxes = m_controls.boxes;
    for (int i = 0; i < boxes.size(); ++i)
        Conventions::bindFocusFrame(boxes.at(i), m_controls.frames.at(i));
    Conventions::returnRing(QList<QWidget*>(boxes.begin(), boxes.end()));
    m_controls.panContainer->setSearchResults();

    connect(m_controls.btnCerca, &QPushButton::pressed, this, &SearchScreen::btnCercaMouseDown);
    connect(m_controls.btnCerca, &QPushButton::clicked, this, &SearchScreen::btnCercaClick);
    connect(m_controls.btnAnnulla, &QPushButton::clicked, this, &SearchScreen::btnAnnullaClick);
    connect(this, &QDialog::finished, this, &SearchScreen::FormClose);
}

void SearchScreen::FormShow()
{
    m_controls.panContainer->clearSearch();
    m_controls.boxes.first()->setFocus(Qt::OtherFocusReason);
}

void SearchScreen::btnCercaMouseDown()
{
    // The search blocks the window; the label is drawn before it starts.
    m_controls.lblAttendere->show();
    m_controls.lblAttendere->repaint();
}

void SearchScreen::btnCercaClick()
{
    QStringList typed;
    for (const QLineEdit* box : std::as_const(m_controls.boxes))
        typed.append(box->text());
    const SearchCriteria criteria(typed);
    m_controls.lblConta->setText(QString::number(criteria.filledCount()));

    ListPanel* const panContainer = m_controls.panContainer;
    ListBox* const lstRecords = panContainer->lstRecords;
    lstRecords->clear();
    LoadedLines found = m_search(criteria);
    if (!found.error.isEmpty()) {
        // The criteria stay as typed, for another try.
        Messages::plain(this, kArchiveError);
        return;
    }
    lstRecords->setLines(std::move(found.lines));
    panContainer->setCount(lstRecords->count());
    panContainer->show();
    m_controls.panAvvio->hide();
    panContainer->txtTrova->clear();
    panContainer->txtTrova->setFocus(Qt::OtherFocusReason);
}

void SearchScreen::btnAnnullaClick()
{
    close();
}

void SearchScreen::FormClose()
{
    m_controls.panContainer->lstRecords->clear();
    m_controls.lblAttendere->hide();
}
