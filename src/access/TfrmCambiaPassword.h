#pragma once

#include "app/Screen.h"
#include "ui_TfrmCambiaPassword.h"

class TfrmCambiaPassword final : public ModalScreen, public Ui::TfrmCambiaPassword
{
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(QWidget* parent = nullptr);
};

extern TfrmCambiaPassword* frmCambiaPassword;
