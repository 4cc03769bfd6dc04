#pragma once

#include "appointments/AppointmentSheetScreen.h"
#include "ui_TfrmStartup.h"

// Shows the appointment card's sheet in the modal preview window, from which it can be printed.
class TfrmStartup final : public AppointmentSheetScreen, public Ui::TfrmStartup
{
    Q_OBJECT
public:
    explicit TfrmStartup(QWidget* parent = nullptr);

private:
    void output() override;
};

extern TfrmStartup* frmStartup;
