#pragma once

#include "app/Screen.h"
#include "ui_TfrmTrovaClienti.h"

class TfrmTrovaClienti final : public ModalScreen, public Ui::TfrmTrovaClienti
{
    Q_OBJECT
public:
    explicit TfrmTrovaClienti(QWidget* parent = nullptr);
};

extern TfrmTrovaClienti* frmTrovaClienti;
