#pragma once

#include "app/Screen.h"
#include "ui_TfrmAssolti.h"

class TfrmAssolti final : public ModalScreen, public Ui::TfrmAssolti
{
    Q_OBJECT
public:
    explicit TfrmAssolti(QWidget* parent = nullptr);
};

extern TfrmAssolti* frmAssolti;
