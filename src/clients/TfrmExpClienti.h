#pragma once

#include "app/Screen.h"
#include "ui_TfrmExpClienti.h"

class TfrmExpClienti final : public ModalScreen, public Ui::TfrmExpClienti
{
    Q_OBJECT
public:
    explicit TfrmExpClienti(QWidget* parent = nullptr);
};

extern TfrmExpClienti* frmExpClienti;
