#pragma once

#include "app/Screen.h"
#include "ui_TfrmExpGiornaliere.h"

class TfrmExpGiornaliere final : public ModalScreen, public Ui::TfrmExpGiornaliere
{
    Q_OBJECT
public:
    explicit TfrmExpGiornaliere(QWidget* parent = nullptr);
};

extern TfrmExpGiornaliere* frmExpGiornaliere;
