#pragma once

#include "reports/SearchScreen.h"
#include "ui_TfrmTrovaClienti.h"

class QLineEdit;

// The client search: up to ten criteria on panAvvio, then the matching clients
// sorted by name on the result panel panContainer. A double-click hands the
// chosen client to the screen that opened the search: the whole record into the
// client card (lblMemory "clienti"), or its contacts into the appointment card
// ("scadenze").
class TfrmTrovaClienti final : public SearchScreen, public Ui::TfrmTrovaClienti
{
    Q_OBJECT
public:
    explicit TfrmTrovaClienti(QWidget* parent = nullptr);

private:
    void lstRecordsDblClick();

    // The criterion boxes in the order of ClientSearch::Fields.
    QList<QLineEdit*> criteria() const;
};

extern TfrmTrovaClienti* frmTrovaClienti;
