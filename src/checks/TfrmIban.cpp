#include "checks/TfrmIban.h"

#include "app/Conventions.h"
#include "app/Messages.h"
#include "app/Text.h"
#include "checks/Iban.h"

TfrmIban* frmIban = nullptr;

namespace {
const QString kLength = QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");
const QString kValid = QStringLiteral("L'IBAN digitato \u00E8 VALIDO.");
const QString kWrong = QStringLiteral("Attenzione: l'IBAN digitato \u00E8 ERRATO!");
} // namespace

TfrmIban::TfrmIban(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
    txtIban->setMaxLength(Iban::italianLength);

    connect(txtIban, &QLineEdit::textEdited, this, &TfrmIban::txtIbanTyping);
    Conventions::returnMovesTo(txtIban, btnControlla);
    connect(btnControlla, &QPushButton::clicked, this, &TfrmIban::btnControllaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmIban::btnChiudiClick);
}

void TfrmIban::FormShow()
{
    txtIban->setFocus(Qt::OtherFocusReason);
}

void TfrmIban::txtIbanTyping()
{
    Conventions::replaceTypedText(txtIban, Text::upperCase(Text::trim(txtIban->text())));
}

void TfrmIban::btnControllaClick()
{
    const QString iban = Text::trim(txtIban->text());
    if (iban.size() != Iban::italianLength) {
        Messages::warning(this, kLength);
        txtIban->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (Iban::isValid(iban))
        Messages::information(this, kValid);
    else
        Messages::warning(this, kWrong);
    close();
}

void TfrmIban::btnChiudiClick()
{
    close();
}
