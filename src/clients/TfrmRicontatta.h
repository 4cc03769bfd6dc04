#pragma once

#include "app/Screen.h"
#include "ui_TfrmRicontatta.h"

class TfrmRicontatta final : public ModalScreen, public Ui::TfrmRicontatta
{
    Q_OBJECT
public:
    explicit TfrmRicontatta(QWidget* parent = nullptr);
};

extern TfrmRicontatta* frmRicontatta;
