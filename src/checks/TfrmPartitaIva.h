#pragma once

#include "app/Screen.h"
#include "ui_TfrmPartitaIva.h"

class TfrmPartitaIva final : public ModalScreen, public Ui::TfrmPartitaIva
{
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget* parent = nullptr);
};

extern TfrmPartitaIva* frmPartitaIva;
