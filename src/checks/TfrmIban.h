#pragma once

#include "app/Screen.h"
#include "ui_TfrmIban.h"

class TfrmIban final : public ModalScreen, public Ui::TfrmIban
{
    Q_OBJECT
public:
    explicit TfrmIban(QWidget* parent = nullptr);
};

extern TfrmIban* frmIban;
