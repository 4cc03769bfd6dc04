#pragma once

#include "agenda/AgendaSelection.h"
#include "reports/GridScreen.h"

// The agenda's three grids: the appointments a rule selects, in date and time
// order, with the sort key as the last column. "N." keeps each row's rank in
// file order among the selected records.
class AgendaGridScreen : public GridScreen
{
    Q_OBJECT
protected:
    explicit AgendaGridScreen(QWidget* parent);

    void setUpAgendaGrid(const QString& logo, const QString& fileName, const QString& sheetName);
    // The rule of the screen, taken when the screen is shown.
    virtual AgendaSelection::Rule selection() const = 0;
    // The date selected in the agenda's calendar.
    static QDate calendarDate();

    void FormShow() override;
};
