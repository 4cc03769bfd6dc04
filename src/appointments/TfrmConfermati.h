#pragma once

#include "app/Screen.h"
#include "ui_TfrmConfermati.h"

class TfrmConfermati final : public ModalScreen, public Ui::TfrmConfermati
{
    Q_OBJECT
public:
    explicit TfrmConfermati(QWidget* parent = nullptr);
};

extern TfrmConfermati* frmConfermati;
