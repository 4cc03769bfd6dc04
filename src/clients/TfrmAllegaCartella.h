#pragma once

#include "app/Screen.h"
#include "ui_TfrmAllegaCartella.h"

class TfrmAllegaCartella final : public ModalScreen, public Ui::TfrmAllegaCartella
{
    Q_OBJECT
public:
    explicit TfrmAllegaCartella(QWidget* parent = nullptr);
};

extern TfrmAllegaCartella* frmAllegaCartella;
