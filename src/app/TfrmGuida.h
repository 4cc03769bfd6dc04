#pragma once

#include "app/Screen.h"
#include "ui_TfrmGuida.h"

class TfrmGuida final : public ModalScreen, public Ui::TfrmGuida
{
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget* parent = nullptr);
};

extern TfrmGuida* frmGuida;
