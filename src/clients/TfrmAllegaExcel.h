#pragma once

#include "app/Screen.h"
#include "ui_TfrmAllegaExcel.h"

class TfrmAllegaExcel final : public ModalScreen, public Ui::TfrmAllegaExcel
{
    Q_OBJECT
public:
    explicit TfrmAllegaExcel(QWidget* parent = nullptr);
};

extern TfrmAllegaExcel* frmAllegaExcel;
