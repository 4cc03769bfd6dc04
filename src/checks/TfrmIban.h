#pragma once

#include "app/Screen.h"
#include "ui_TfrmIban.h"

// Checks an Italian IBAN by its check digits. The opener sets txtIban before
// exec(); nothing is returned.
class TfrmIban final : public ModalScreen, public Ui::TfrmIban
{
    Q_OBJECT
public:
    explicit TfrmIban(QWidget* parent = nullptr);

protected:
    void FormShow() override;

private:
    void txtIbanTyping();
    void btnControllaClick();
    void btnChiudiClick();
};

extern TfrmIban* frmIban;
