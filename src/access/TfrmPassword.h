#pragma once

#include "app/Screen.h"
#include "ui_TfrmPassword.h"

class QKeyEvent;

// The login screen: the main window and the only way in.
class TfrmPassword final : public ModalScreen, public Ui::TfrmPassword
{
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget* parent = nullptr);

    void cmdOKClick();
    void cmdEsciClick();
    void btnCambiaPasswordClick();

protected:
    void FormShow() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void txtPasswordChange();
    bool txtPasswordKeyDown(QKeyEvent* event);
};

extern TfrmPassword* frmPassword;
