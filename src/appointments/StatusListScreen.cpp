#include "appointments/StatusListScreen.h"

#include "app/Clock.h"
#include "appointments/ChosenAppointment.h"
#include "reports/ListPanel.h"

StatusListScreen::StatusListScreen(QWidget* parent, StatusList::Kind kind) : ListScreen(parent), m_kind(kind)
{
    connect(this, &QDialog::finished, this, &StatusListScreen::FormClose);
}

void StatusListScreen::setUpList(ListPanel* panel, const QString& picture, const QString& reportTitle)
{
    m_panel = panel;
    m_panel->setTitle(picture, reportTitle);
    connect(m_panel->lstRecords, &QAbstractItemView::doubleClicked, this, &StatusListScreen::lstRecordsDblClick);
}

void StatusListScreen::FormShow()
{
    m_panel->clearSearch();
    // A failed read is silent: the list shows what was read before it.
    LoadedLines loaded = StatusList::load(m_kind, Clock::today());
    m_panel->lstRecords->setLines(std::move(loaded.lines));
    m_panel->txtTrova->setFocus(Qt::OtherFocusReason);
}

void StatusListScreen::lstRecordsDblClick()
{
    // Whether or not the appointment could be read, the list closes without a word.
    ChosenAppointment::showOnCard(m_panel->lstRecords->selectedPosition());
    close();
}

void StatusListScreen::FormClose()
{
    m_panel->lstRecords->clear();
}
