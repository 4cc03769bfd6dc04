#pragma once

#include "app/Screen.h"
#include "ui_TfrmCambiaPassword.h"

// Changes the password; reached from the login screen and leads back to it.
class TfrmCambiaPassword final : public ModalScreen, public Ui::TfrmCambiaPassword
{
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(QWidget* parent = nullptr);

    void cmdOKClick();
    void cmdEsciClick();

protected:
    void FormShow() override;
    void FormClose();
    void closeEvent(QCloseEvent* event) override;

private:
    // The same enabling rule for the three fields.
    void txtChange();
};

extern TfrmCambiaPassword* frmCambiaPassword;
