#include "clients/TfrmTrovaClienti.h"

#include "app/Look.h"
#include "app/Text.h"
#include "clients/ChosenClient.h"
#include "clients/ClientSearch.h"

TfrmTrovaClienti* frmTrovaClienti = nullptr;

namespace {
const QString kClientCardTag = QStringLiteral("clienti");
const QString kAppointmentCardTag = QStringLiteral("scadenze");
} // namespace

TfrmTrovaClienti::TfrmTrovaClienti(QWidget* parent) : SearchScreen(parent)
{
    setupUi(this);
    Look::setPicture(imgSpiega, QStringLiteral("trova"));
    Look::setPicture(icoTrova01, QStringLiteral("cliente"));
    panContainer->setTitle(QStringLiteral("trova"), QStringLiteral("Riepilogo clienti in archivio"));
    panContainer->lstRecords->setSorted(true);
    setUpSearch({criteria(),
                 {effCliente, effComuneRes, effPartitaIva, effCodFisc, effDocumento, effOccupazione, effProdotti,
                  effZona, effQuestioni, effNote},
                 btnCerca, btnAnnulla, lblAttendere, lblConta, panAvvio, panContainer},
                ClientSearch::run);
    connect(panContainer->lstRecords, &QAbstractItemView::doubleClicked, this, &TfrmTrovaClienti::lstRecordsDblClick);
}

QList<QLineEdit*> TfrmTrovaClienti::criteria() const
{
    return {txtCliente,     txtComuneRes, txtPartitaIva, txtCodFisc,   txtDocumento,
            txtOccupazione, txtProdotti,  txtZona,       txtQuestioni, txtNote};
}

void TfrmTrovaClienti::lstRecordsDblClick()
{
    // The client is read again by the position its line remembers; whether or
    // not that succeeds, the search closes without a word.
    const qint64 position = panContainer->lstRecords->selectedPosition();
    const QString caller = Text::trim(lblMemory->text());
    if (caller == kClientCardTag)
        ChosenClient::showOnCard(position);
    else if (caller == kAppointmentCardTag)
        ChosenClient::copyContactsToAppointment(position);
    close();
}

