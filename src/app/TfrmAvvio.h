#pragma once

#include "app/Screen.h"
#include "ui_TfrmAvvio.h"

class TfrmAvvio final : public TopLevelScreen, public Ui::TfrmAvvio
{
    Q_OBJECT
public:
    explicit TfrmAvvio(QWidget* parent = nullptr);
};

extern TfrmAvvio* frmAvvio;
