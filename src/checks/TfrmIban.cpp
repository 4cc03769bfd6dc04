#include "checks/TfrmIban.h"

#include "app/Conventions.h"
#include "app/Messages.h"
#include "app/Text.h"
#include "checks/Iban.h"

TfrmIban* frmIban = nullptr;

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
        Messages::warning(this, QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri "
                                               "alfanumerici."));
        txtIban->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (Iban::isValid(iban))
        Messages::information(this, QStringLiteral("L'IBAN digitato \u00E8 VALIDO."));
    else
        Messages::warning(this, QStringLiteral("Attenzione: l'IBAN digitato \u00E8 ERRATO!"));
    close();
}

void TfrmIban::btnChiudiClick()
{
    close();
}
