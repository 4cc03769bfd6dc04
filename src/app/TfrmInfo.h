#pragma once

#include "app/Screen.h"
#include "ui_TfrmInfo.h"

class TfrmInfo final : public ModalScreen, public Ui::TfrmInfo
{
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget* parent = nullptr);

private:
    void lnkWebClick();
    void lnkWebMouseDown();
    void lnkWebMouseUp();
    void btnChiudiClick();
};

extern TfrmInfo* frmInfo;
