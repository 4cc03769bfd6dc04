#pragma once

#include "app/Screen.h"
#include "ui_TfrmCodFisc.h"

// Checks a personal fiscal code by its check character. The opener sets
// txtCodFisc before exec(); nothing is returned.
class TfrmCodFisc final : public ModalScreen, public Ui::TfrmCodFisc
{
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget* parent = nullptr);

protected:
    void FormShow() override;

private:
    void txtCodFiscTyping();
    void btnControllaClick();
    void btnChiudiClick();
};

extern TfrmCodFisc* frmCodFisc;
