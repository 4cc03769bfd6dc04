#pragma once

#include "app/Screen.h"
#include "ui_TfrmCodFisc.h"

class TfrmCodFisc final : public ModalScreen, public Ui::TfrmCodFisc
{
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget* parent = nullptr);
};

extern TfrmCodFisc* frmCodFisc;
