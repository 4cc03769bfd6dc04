#include "access/TfrmCambiaPassword.h"

#include "access/Crypt.h"
#include "access/PasswordStore.h"
#include "access/TfrmPassword.h"
#include "app/Conventions.h"
#include "app/Look.h"
#include "app/Messages.h"
#include "app/Text.h"

#include <QCloseEvent>

TfrmCambiaPassword* frmCambiaPassword = nullptr;

namespace {
const QString kWrongOld = QStringLiteral("Attenzione: vecchia password errata.");
const QString kNotConfirmed = QStringLiteral("Attenzione: la nuova password non \u00E8 stata confermata correttamente. "
                                             "E' necessario reinserire entrambi i valori.");
const QString kDone = QStringLiteral("Modifica della password completata con successo.");
const QString kFailure = QStringLiteral("Attenzione: si \u00E8 verificato un errore durante la procedura di modifica "
                                        "della password. Si consiglia di reinstallare il software.");
const QString kUnstorable = QStringLiteral("Attenzione: la nuova password pu\u00F2 contenere al massimo 255 caratteri "
                                           "e solo lettere, cifre e simboli dell'alfabeto latino occidentale. "
                                           "E' necessario reinserire entrambi i valori.");

// The cipher keeps 255 characters of codes 1 to 255; any other password would
// be stored in a form that no login could match.
bool storable(const QString& password)
{
    if (password.size() > 255)
        return false;
    for (const QChar c : password)
        if (c.unicode() == 0 || c.unicode() > 255)
            return false;
    return true;
}
} // namespace

TfrmCambiaPassword::TfrmCambiaPassword(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
    lblMemory->hide();
    Look::setGradient(this, Look::blush);
    const QList<QLineEdit*> fields {txtPasswordOld, txtPasswordNew, txtConferma};
    const QList<QWidget*> frames {effPasswordOld, effPasswordNew, effConferma};
    for (int i = 0; i < fields.size(); ++i) {
        Conventions::bindFocusFrame(fields.at(i), frames.at(i));
        connect(fields.at(i), &QLineEdit::textChanged, this, &TfrmCambiaPassword::txtChange);
    }
    // Return goes round the three fields and never presses OK.
    Conventions::returnRing({txtPasswordOld, txtPasswordNew, txtConferma});
    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdEsciClick);
}

void TfrmCambiaPassword::FormShow()
{
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    lblMemory->clear();
    txtPasswordOld->setFocus(Qt::OtherFocusReason);
}

void TfrmCambiaPassword::txtChange()
{
    cmdOK->setEnabled(!Text::isBlank(txtPasswordOld->text()) && !Text::isBlank(txtPasswordNew->text()) &&
                      !Text::isBlank(txtConferma->text()));
}

void TfrmCambiaPassword::cmdOKClick()
{
    const PasswordStore::ReadResult stored = PasswordStore::read();
    const std::optional<QString> deciphered = stored.error.isEmpty() ? Crypt::Decrypt(stored.value) : std::nullopt;
    if (!deciphered) {
        Messages::plain(this, kFailure);
        return;
    }
    lblMemory->setText(Text::trim(*deciphered));
    if (lblMemory->text() != PasswordStore::normalise(txtPasswordOld->text())) {
        Messages::plain(this, kWrongOld);
        txtPasswordOld->clear();
        txtPasswordOld->setFocus(Qt::OtherFocusReason);
        return;
    }
    const auto refuseNew = [this](const QString& message) {
        Messages::plain(this, message);
        txtPasswordNew->clear();
        txtConferma->clear();
        txtPasswordNew->setFocus(Qt::OtherFocusReason);
    };
    const QString newPassword = Text::trim(txtPasswordNew->text());
    if (newPassword != Text::trim(txtConferma->text())) {
        refuseNew(kNotConfirmed);
        return;
    }
    if (!storable(PasswordStore::normalise(newPassword))) {
        refuseNew(kUnstorable);
        return;
    }
    if (!PasswordStore::write(Crypt::Encrypt(PasswordStore::normalise(newPassword))).isEmpty()) {
        Messages::plain(this, kFailure);
        return;
    }
    Messages::plain(this, kDone);
    close();
}

void TfrmCambiaPassword::cmdEsciClick()
{
    close();
}

void TfrmCambiaPassword::closeEvent(QCloseEvent* event)
{
    event->accept();
    FormClose();
}

void TfrmCambiaPassword::FormClose()
{
    frmPassword->txtPassword->clear();
    frmPassword->lblMemory->clear();
    showScreen(frmPassword, this);
    frmPassword->txtPassword->setFocus(Qt::OtherFocusReason);
}
