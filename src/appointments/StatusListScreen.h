#pragma once

#include "appointments/StatusList.h"
#include "reports/ListScreen.h"

class ListPanel;

// What the three status lists share: the list is read once at each showing
// with the screen's selection, and a double-click brings the appointment behind
// the line into the appointment card and closes the list. Find, printing and
// closing are the panel's.
class StatusListScreen : public ListScreen
{
    Q_OBJECT
protected:
    StatusListScreen(QWidget* parent, StatusList::Kind kind);

    // Called once the form is set up: its panel, title picture and printed title.
    void setUpList(ListPanel* panel, const QString& picture, const QString& reportTitle);

    void FormShow() override;

private:
    void lstRecordsDblClick();
    void FormClose();

    StatusList::Kind m_kind;
    ListPanel* m_panel = nullptr;
};
