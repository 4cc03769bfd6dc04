#pragma once

#include "app/Screen.h"
#include "ui_TfrmStartup.h"

class TfrmStartup final : public ModalScreen, public Ui::TfrmStartup
{
    Q_OBJECT
public:
    explicit TfrmStartup(QWidget* parent = nullptr);
};

extern TfrmStartup* frmStartup;
