#pragma once

#include "app/Screen.h"
#include "ui_TfrmCarta.h"

class TfrmCarta final : public ModalScreen, public Ui::TfrmCarta
{
    Q_OBJECT
public:
    explicit TfrmCarta(QWidget* parent = nullptr);
};

extern TfrmCarta* frmCarta;
