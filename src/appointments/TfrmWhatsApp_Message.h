#pragma once

#include "app/Screen.h"
#include "ui_TfrmWhatsApp_Message.h"

// The WhatsApp reminder for an imminent appointment. The agenda fills the four
// read-only fields txtData, txtOra, txtContatto and txtCel before showing it,
// so that the user can check the client before sending.
class TfrmWhatsApp_Message final : public ModalScreen, public Ui::TfrmWhatsApp_Message
{
    Q_OBJECT
public:
    explicit TfrmWhatsApp_Message(QWidget* parent = nullptr);

private:
    void btnWhatsAppClick();
    void btnChiudiClick();
};

extern TfrmWhatsApp_Message* frmWhatsApp_Message;
