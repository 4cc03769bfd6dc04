#pragma once

#include "app/Screen.h"
#include "ui_TfrmPassword.h"

class TfrmPassword final : public ModalScreen, public Ui::TfrmPassword
{
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget* parent = nullptr);
};

extern TfrmPassword* frmPassword;
