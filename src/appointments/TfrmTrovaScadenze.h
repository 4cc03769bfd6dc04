#pragma once

#include "app/Screen.h"
#include "ui_TfrmTrovaScadenze.h"

class TfrmTrovaScadenze final : public ModalScreen, public Ui::TfrmTrovaScadenze
{
    Q_OBJECT
public:
    explicit TfrmTrovaScadenze(QWidget* parent = nullptr);
};

extern TfrmTrovaScadenze* frmTrovaScadenze;
