#pragma once

#include "app/Screen.h"
#include "ui_TfrmStampaScadenza.h"

class TfrmStampaScadenza final : public ModalScreen, public Ui::TfrmStampaScadenza
{
    Q_OBJECT
public:
    explicit TfrmStampaScadenza(QWidget* parent = nullptr);
};

extern TfrmStampaScadenza* frmStampaScadenza;
