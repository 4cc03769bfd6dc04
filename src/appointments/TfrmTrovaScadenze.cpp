#include "appointments/TfrmTrovaScadenze.h"

#include "app/Look.h"
#include "app/Text.h"
#include "appointments/AppointmentSearch.h"
#include "appointments/ChosenAppointment.h"

TfrmTrovaScadenze* frmTrovaScadenze = nullptr;

namespace {
const QString kCardTag = QStringLiteral("scadenze");
} // namespace

TfrmTrovaScadenze::TfrmTrovaScadenze(QWidget* parent) : SearchScreen(parent)
{
    setupUi(this);
    Look::setPicture(imgSpiega, QStringLiteral("trova"));
    Look::setPicture(imgTrova01, QStringLiteral("freccia"));
    panContainer->setTitle(QStringLiteral("trova"), QStringLiteral("Riepilogo appuntamenti in archivio"));
    setUpSearch({criteria(),
                 {effCampo01, effCampo02, effCampo09, effCampo10, effCampo05, effCampo06, effCampo07, effCampo08,
                  effCampo03, effCampo04},
                 btnCerca, btnAnnulla, lblAttendere, lblConta, panAvvio, panContainer},
                AppointmentSearch::run);
    connect(panContainer->lstRecords, &QAbstractItemView::doubleClicked, this, &TfrmTrovaScadenze::lstRecordsDblClick);
}

QList<QLineEdit*> TfrmTrovaScadenze::criteria() const
{
    return {txtData, txtOra, txtTipologia, txtCausale, txtDettagli, txtContatto, txtTel, txtCel, txtLuogo, txtNote};
}

void TfrmTrovaScadenze::lstRecordsDblClick()
{
    if (Text::trim(lblMemory->text()) == kCardTag)
        ChosenAppointment::showOnCard(panContainer->lstRecords->selectedPosition());
    close();
}

