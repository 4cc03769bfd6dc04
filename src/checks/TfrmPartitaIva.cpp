#include "checks/TfrmPartitaIva.h"

#include "app/Conventions.h"
#include "app/Messages.h"
#include "checks/VatNumber.h"

#include <QKeyEvent>

TfrmPartitaIva* frmPartitaIva = nullptr;

namespace {
const QString kLength = QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
const QString kWrong = QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon "
                                      "\u00E8 quindi possibile fornire informazioni relative all'Ufficio IVA che lo "
                                      "ha rilasciato.");
const QString kValid = QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n");

QString officeText(const QString& code, const QString& office)
{
    if (office.isEmpty())
        return QStringLiteral("Il codice ") + code +
               QStringLiteral(" dell'Ufficio IVA che lo ha rilasciato non corrisponde a nessun ufficio conosciuto.");
    return QStringLiteral("E' stato rilasciato dall'Ufficio IVA del Comune di ") + office + QLatin1Char('.');
}
} // namespace

TfrmPartitaIva::TfrmPartitaIva(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
    // The 11-character limit is kept by txtPartitaIvaKeyDown rather than by
    // the edit box's maximum length, which would cut the text the opener puts
    // in: a longer all-digit fiscal code from the client card must be shown
    // whole and refused for its length, not checked on its first 11 digits.

    Conventions::onKeyDown(txtPartitaIva, [this](QKeyEvent* event) { return txtPartitaIvaKeyDown(event); });
    connect(btnControlla, &QPushButton::clicked, this, &TfrmPartitaIva::btnControllaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmPartitaIva::btnChiudiClick);
}

void TfrmPartitaIva::FormShow()
{
    txtPartitaIva->setFocus(Qt::OtherFocusReason);
}

bool TfrmPartitaIva::txtPartitaIvaKeyDown(QKeyEvent* event)
{
    if (Conventions::isReturn(event)) {
        btnControlla->setFocus(Qt::OtherFocusReason);
        return true;
    }
    // Tab is swallowed too: the field is left with Return.
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab || Conventions::discardUnlessDigit(event))
        return true;
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return false;
    default: // a digit, typed only while there is room for it
        return txtPartitaIva->text().size() - txtPartitaIva->selectedText().size() >= VatNumber::length;
    }
}

void TfrmPartitaIva::btnControllaClick()
{
    const QString number = txtPartitaIva->text();
    if (number.size() != VatNumber::length) {
        Messages::warning(this, kLength);
        txtPartitaIva->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (VatNumber::isValid(number)) {
        const QString code = VatNumber::officeCode(number);
        Messages::information(this, kValid + officeText(code, VatNumber::officeName(code)));
    } else {
        Messages::warning(this, kWrong);
    }
    close();
}

void TfrmPartitaIva::btnChiudiClick()
{
    close();
}
