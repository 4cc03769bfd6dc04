#pragma once

#include "reports/SearchScreen.h"
#include "ui_TfrmTrovaScadenze.h"

class QLineEdit;

// The appointment search: up to ten criteria on panAvvio, then the matching
// appointments in file order on the result panel panContainer. A double-click
// brings the chosen appointment into the appointment card when the card opened
// the search (lblMemory "scadenze").
class TfrmTrovaScadenze final : public SearchScreen, public Ui::TfrmTrovaScadenze
{
    Q_OBJECT
public:
    explicit TfrmTrovaScadenze(QWidget* parent = nullptr);

private:
    void lstRecordsDblClick();

    // The criterion boxes in the order of AppointmentSearch::Fields.
    QList<QLineEdit*> criteria() const;
};

extern TfrmTrovaScadenze* frmTrovaScadenze;
