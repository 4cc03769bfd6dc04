#pragma once

#include "app/Screen.h"
#include "ui_TfrmWhatsApp_Message.h"

class TfrmWhatsApp_Message final : public ModalScreen, public Ui::TfrmWhatsApp_Message
{
    Q_OBJECT
public:
    explicit TfrmWhatsApp_Message(QWidget* parent = nullptr);
};

extern TfrmWhatsApp_Message* frmWhatsApp_Message;
