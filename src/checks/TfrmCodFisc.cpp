#include "checks/TfrmCodFisc.h"

#include "app/Conventions.h"
#include "app/Messages.h"
#include "app/Text.h"
#include "checks/FiscalCode.h"

TfrmCodFisc* frmCodFisc = nullptr;

namespace {
const QString kLength =
    QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString kValid = QStringLiteral("Il codice fiscale digitato \u00E8 VALIDO.");
const QString kWrong = QStringLiteral("Attenzione: il codice fiscale digitato \u00E8 ERRATO.");
} // namespace

TfrmCodFisc::TfrmCodFisc(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
    txtCodFisc->setMaxLength(FiscalCode::length);

    connect(txtCodFisc, &QLineEdit::textEdited, this, &TfrmCodFisc::txtCodFiscTyping);
    Conventions::returnMovesTo(txtCodFisc, btnControlla);
    connect(btnControlla, &QPushButton::clicked, this, &TfrmCodFisc::btnControllaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmCodFisc::btnChiudiClick);
}

void TfrmCodFisc::FormShow()
{
    txtCodFisc->setFocus(Qt::OtherFocusReason);
}

void TfrmCodFisc::txtCodFiscTyping()
{
    Conventions::replaceTypedText(txtCodFisc, Text::upperCase(Text::trim(txtCodFisc->text())));
}

void TfrmCodFisc::btnControllaClick()
{
    const QString code = Text::upperCase(txtCodFisc->text());
    if (code.size() != FiscalCode::length) {
        Messages::warning(this, kLength);
        txtCodFisc->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (FiscalCode::isValid(code))
        Messages::information(this, kValid);
    else
        Messages::warning(this, kWrong);
    close();
}

void TfrmCodFisc::btnChiudiClick()
{
    close();
}
