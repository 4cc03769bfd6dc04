#include "appointments/TfrmStampaScadenza.h"

#include "app/Look.h"

TfrmStampaScadenza* frmStampaScadenza = nullptr;

TfrmStampaScadenza::TfrmStampaScadenza(QWidget* parent) : AppointmentSheetScreen(parent)
{
    setupUi(this);
    Look::setSection(shpSfondo, Qt::white, 6);
    Look::setSection(shpSepara, Look::steelBlue);
    Look::setPicture(imgScheda, QStringLiteral("stampa"));
    Look::setPicture(imgUscita, QStringLiteral("logo"));
    connectButtons(btnAnnulla, btnStampa);
}

void TfrmStampaScadenza::output()
{
    repDocumento.print(this);
}
