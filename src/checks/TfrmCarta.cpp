#include "checks/TfrmCarta.h"

#include "app/Conventions.h"
#include "app/Messages.h"
#include "app/Text.h"
#include "checks/CreditCard.h"

#include <QKeyEvent>

TfrmCarta* frmCarta = nullptr;

namespace {
constexpr int kNumberLength = 30;

const QString kEmpty = QStringLiteral("Attenzione: immettere il numero di carta di credito prima di premere il "
                                      "pulsante di controllo.");
const QString kWrong = QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon \u00E8 quindi "
                                      "possibile fornire informazioni relative al tipo di carta di credito.");

QString validText(const QString& number, const QString& circuit)
{
    return QStringLiteral("Il numero di carta di credito ") + number +
           QStringLiteral(" risulta valido.\r\n\r\nLa carta di credito \u00E8 del tipo ") + circuit + QLatin1Char('.');
}
} // namespace

TfrmCarta::TfrmCarta(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
    txtNumero->setMaxLength(kNumberLength);

    Conventions::onKeyDown(txtNumero, [this](QKeyEvent* event) { return txtNumeroKeyDown(event); });
    connect(txtNumero, &QLineEdit::textEdited, this, &TfrmCarta::txtNumeroTyping);
    connect(btnControlla, &QPushButton::clicked, this, &TfrmCarta::btnControllaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmCarta::btnChiudiClick);
}

void TfrmCarta::FormShow()
{
    txtNumero->setFocus(Qt::OtherFocusReason);
}

bool TfrmCarta::txtNumeroKeyDown(QKeyEvent* event)
{
    if (Conventions::isReturn(event)) {
        btnControlla->setFocus(Qt::OtherFocusReason);
        return true;
    }
    // Tab is swallowed too: the field is left with Return.
    return event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab || Conventions::discardUnlessDigit(event);
}

void TfrmCarta::txtNumeroTyping()
{
    Conventions::replaceTypedText(txtNumero, Text::upperCase(Text::trim(txtNumero->text())));
}

void TfrmCarta::btnControllaClick()
{
    const QString number = Text::trim(txtNumero->text());
    if (number.isEmpty()) {
        Messages::warning(this, kEmpty);
        txtNumero->setFocus(Qt::OtherFocusReason);
        return;
    }
    const CreditCard::Verdict verdict = CreditCard::check(txtNumero->text());
    switch (verdict.outcome) {
    case CreditCard::Outcome::Wrong:
        Messages::warning(this, kWrong);
        break;
    case CreditCard::Outcome::Circuit:
        Messages::information(this, validText(number, verdict.circuit));
        break;
    case CreditCard::Outcome::Unnamed:
        break;
    }
    close();
}

void TfrmCarta::btnChiudiClick()
{
    close();
}
