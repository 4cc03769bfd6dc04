#include "appointments/TfrmWhatsApp_Message.h"

#include "app/Look.h"
#include "app/TMisc.h"
#include "appointments/WhatsApp.h"

TfrmWhatsApp_Message* frmWhatsApp_Message = nullptr;

TfrmWhatsApp_Message::TfrmWhatsApp_Message(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
    Look::setGradient(this, Look::lightSection);
    connect(btnWhatsApp, &QToolButton::clicked, this, &TfrmWhatsApp_Message::btnWhatsAppClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmWhatsApp_Message::btnChiudiClick);
}

void TfrmWhatsApp_Message::btnWhatsAppClick()
{
    // No checks: the user has seen the four values and chose to send.
    TMisc::Open(WhatsApp::sendAddress(txtCel->text(), WhatsApp::reminderText(txtOra->text(), txtData->text())));
    accept();
}

void TfrmWhatsApp_Message::btnChiudiClick()
{
    reject();
}
