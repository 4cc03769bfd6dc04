#pragma once

#include "app/Screen.h"
#include "ui_TfrmExpScadenzario.h"

class TfrmExpScadenzario final : public ModalScreen, public Ui::TfrmExpScadenzario
{
    Q_OBJECT
public:
    explicit TfrmExpScadenzario(QWidget* parent = nullptr);
};

extern TfrmExpScadenzario* frmExpScadenzario;
