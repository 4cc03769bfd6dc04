#include "access/TfrmPassword.h"

#include "access/Crypt.h"
#include "access/PasswordStore.h"
#include "access/TfrmCambiaPassword.h"
#include "app/Conventions.h"
#include "app/Look.h"
#include "app/Messages.h"
#include "app/TfrmAvvio.h"
#include "app/Text.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>

TfrmPassword* frmPassword = nullptr;

namespace {
const QString kWrongPassword = QStringLiteral("Attenzione: password errata.");
const QString kReadFailure = QStringLiteral("Attenzione: si \u00E8 verificato un errore durante la procedura di lettura "
                                            "della password. Si consiglia di reinstallare il software.");
} // namespace

TfrmPassword::TfrmPassword(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
    lblMemory->hide();
    Look::setGradient(this, Look::blush);
    Look::setPicture(imgLogo, QStringLiteral("logo"));
    Conventions::bindFocusFrame(txtPassword, effPassword);
    connect(txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::txtPasswordChange);
    Conventions::onKeyDown(txtPassword, [this](QKeyEvent* event) { return txtPasswordKeyDown(event); });
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
    connect(btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
}

void TfrmPassword::FormShow()
{
    txtPassword->setFocus(Qt::OtherFocusReason);
}

void TfrmPassword::closeEvent(QCloseEvent* event)
{
    // The login is the main window: closing it ends the program.
    event->accept();
    QCoreApplication::quit();
}

void TfrmPassword::txtPasswordChange()
{
    cmdOK->setEnabled(!Text::isBlank(txtPassword->text()));
}

bool TfrmPassword::txtPasswordKeyDown(QKeyEvent* event)
{
    if (!Conventions::isReturn(event))
        return false;
    if (!Text::isBlank(txtPassword->text()))
        cmdOKClick();
    return true;
}

void TfrmPassword::cmdOKClick()
{
    const PasswordStore::ReadResult stored = PasswordStore::read();
    const std::optional<QString> deciphered = stored.error.isEmpty() ? Crypt::Decrypt(stored.value) : std::nullopt;
    if (!deciphered) {
        Messages::plain(this, kReadFailure);
        return;
    }
    lblMemory->setText(Text::trim(*deciphered));
    if (lblMemory->text() == PasswordStore::normalise(txtPassword->text())) {
        showScreen(frmAvvio, this);
        return;
    }
    Messages::plain(this, kWrongPassword);
    txtPassword->clear();
    txtPassword->setFocus(Qt::OtherFocusReason);
}

void TfrmPassword::cmdEsciClick()
{
    close();
}

void TfrmPassword::btnCambiaPasswordClick()
{
    showScreen(frmCambiaPassword, this);
}
