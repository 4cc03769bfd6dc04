#pragma once

#include "app/Screen.h"
#include "ui_TfrmAgenda.h"

class TfrmAgenda final : public TopLevelScreen, public Ui::TfrmAgenda
{
    Q_OBJECT
public:
    explicit TfrmAgenda(QWidget* parent = nullptr);
};

extern TfrmAgenda* frmAgenda;
