#pragma once

#include "app/Screen.h"
#include "ui_TfrmCarta.h"

class QKeyEvent;

// Checks a credit card number by its Luhn check digit and names its circuit.
// The opener sets txtNumero before exec(); nothing is returned.
class TfrmCarta final : public ModalScreen, public Ui::TfrmCarta
{
    Q_OBJECT
public:
    explicit TfrmCarta(QWidget* parent = nullptr);

protected:
    void FormShow() override;

private:
    bool txtNumeroKeyDown(QKeyEvent* event);
    void txtNumeroTyping();
    void btnControllaClick();
    void btnChiudiClick();
};

extern TfrmCarta* frmCarta;
