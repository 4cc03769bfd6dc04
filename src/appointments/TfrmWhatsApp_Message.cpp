#include "appointments/TfrmWhatsApp_Message.h"

TfrmWhatsApp_Message* frmWhatsApp_Message = nullptr;

TfrmWhatsApp_Message::TfrmWhatsApp_Message(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
}
