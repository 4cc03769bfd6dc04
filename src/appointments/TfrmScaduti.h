#pragma once

#include "app/Screen.h"
#include "ui_TfrmScaduti.h"

class TfrmScaduti final : public ModalScreen, public Ui::TfrmScaduti
{
    Q_OBJECT
public:
    explicit TfrmScaduti(QWidget* parent = nullptr);
};

extern TfrmScaduti* frmScaduti;
