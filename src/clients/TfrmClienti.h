#pragma once

#include "app/Screen.h"
#include "ui_TfrmClienti.h"

class TfrmClienti final : public TopLevelScreen, public Ui::TfrmClienti
{
    Q_OBJECT
public:
    explicit TfrmClienti(QWidget* parent = nullptr);
};

extern TfrmClienti* frmClienti;
