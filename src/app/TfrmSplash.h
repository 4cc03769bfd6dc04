#pragma once

#include "app/Screen.h"
#include "ui_TfrmSplash.h"

class TfrmSplash final : public ModalScreen, public Ui::TfrmSplash
{
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* parent = nullptr);
};

extern TfrmSplash* frmSplash;
