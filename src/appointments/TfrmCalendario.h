#pragma once

#include "app/Screen.h"
#include "ui_TfrmCalendario.h"

class TfrmCalendario final : public ModalScreen, public Ui::TfrmCalendario
{
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget* parent = nullptr);
};

extern TfrmCalendario* frmCalendario;
