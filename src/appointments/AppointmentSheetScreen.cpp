#include "appointments/AppointmentSheetScreen.h"

#include "app/Clock.h"
#include "app/Look.h"
#include "app/Text.h"
#include "appointments/TfrmArchivio_Scadenze.h"
#include "reports/AppointmentSheet.h"

#include <QAbstractButton>

AppointmentSheetScreen::AppointmentSheetScreen(QWidget* parent)
    : ModalScreen(parent, Placement::Owner), repDocumento(AppointmentSheet::makeTemplate())
{
    Look::setGradient(this, Look::steelBlue);
}

void AppointmentSheetScreen::connectButtons(QAbstractButton* btnAnnulla, QAbstractButton* btnStampa)
{
    connect(btnAnnulla, &QAbstractButton::clicked, this, &AppointmentSheetScreen::btnAnnullaClick);
    connect(btnStampa, &QAbstractButton::clicked, this, &AppointmentSheetScreen::btnStampaClick);
}

void AppointmentSheetScreen::btnAnnullaClick()
{
    close();
}

void AppointmentSheetScreen::btnStampaClick()
{
    repDocumento.setOrientation(QPageLayout::Portrait);
    fillFromCard();
    repDocumento.prepare();
    output();
    close();
}

void AppointmentSheetScreen::fillFromCard()
{
    const TfrmArchivio_Scadenze& card = *frmArchivio_Scadenze;
    const auto set = [this](const char* memo, const QString& text) {
        repDocumento.findMemo(QString::fromLatin1(memo))->setText(text);
    };
    set("txtOttemperata", card.chkOttemperata->isChecked() ? Text::flagYes() : Text::flagNo());
    set("txtData", Text::trim(card.txtData->text()));
    set("txtOra",
        Text::trim(card.txtOreApp->currentText()) + QLatin1Char(':') + Text::trim(card.txtMinutiApp->currentText()));
    set("txtTipologia", Text::trim(card.txtTipologia->text()));
    set("txtCausale", Text::trim(card.txtCausale->text()));
    set("txtDettagli", Text::trim(card.txtDettagli->text()));
    set("txtContatto", Text::trim(card.txtContatto->text()));
    set("txtTel", Text::trim(card.txtTel->text()));
    set("txtCel", Text::trim(card.txtCel->text()));
    set("txtEmail", Text::trim(card.txtEmail->text()));
    set("txtLuogo", Text::trim(card.txtLuogo->text()));
    set("txtImporto", Text::trim(card.txtImporto->text()));
    set("txtNote", Text::trim(card.txtNote->text()));
    const QDateTime now = Clock::now();
    set("txtCalce", QStringLiteral("Stampa eseguita in data ") + Text::formatDate(now.date()) +
                        QStringLiteral(" alle ore ") + now.time().toString(QStringLiteral("HH:mm:ss")));
}
