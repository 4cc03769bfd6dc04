#pragma once

#include "appointments/AppointmentSheetScreen.h"
#include "ui_TfrmStampaScadenza.h"

// Prints the appointment card's sheet through the print dialog.
class TfrmStampaScadenza final : public AppointmentSheetScreen, public Ui::TfrmStampaScadenza
{
    Q_OBJECT
public:
    explicit TfrmStampaScadenza(QWidget* parent = nullptr);

private:
    void output() override;
};

extern TfrmStampaScadenza* frmStampaScadenza;
