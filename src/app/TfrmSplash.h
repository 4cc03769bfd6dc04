#pragma once

#include "app/Screen.h"
#include "ui_TfrmSplash.h"

class TfrmSplash final : public ModalScreen, public Ui::TfrmSplash
{
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* parent = nullptr);

private:
    void lnkWebClick();
    void lnkWebMouseDown();
    void lnkWebMouseUp();
    void btnChiudiClick();
};

extern TfrmSplash* frmSplash;
