#pragma once

#include "app/Screen.h"
#include "ui_TfrmGuida.h"

class TfrmGuida final : public ModalScreen, public Ui::TfrmGuida
{
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget* parent = nullptr);

protected:
    void FormShow() override;

private:
    void lnkWebClick();
    void lnkWebMouseDown();
    void lnkWebMouseUp();
    void btnChiudiClick();
};

extern TfrmGuida* frmGuida;
