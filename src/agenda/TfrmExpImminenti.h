#pragma once

#include "app/Screen.h"
#include "ui_TfrmExpImminenti.h"

class TfrmExpImminenti final : public ModalScreen, public Ui::TfrmExpImminenti
{
    Q_OBJECT
public:
    explicit TfrmExpImminenti(QWidget* parent = nullptr);
};

extern TfrmExpImminenti* frmExpImminenti;
