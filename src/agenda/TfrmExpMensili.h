#pragma once

#include "app/Screen.h"
#include "ui_TfrmExpMensili.h"

class TfrmExpMensili final : public ModalScreen, public Ui::TfrmExpMensili
{
    Q_OBJECT
public:
    explicit TfrmExpMensili(QWidget* parent = nullptr);
};

extern TfrmExpMensili* frmExpMensili;
