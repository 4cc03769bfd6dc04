#include "appointments/TfrmStartup.h"

#include "app/Look.h"

TfrmStartup* frmStartup = nullptr;

TfrmStartup::TfrmStartup(QWidget* parent) : AppointmentSheetScreen(parent)
{
    setupUi(this);
    Look::setSection(shpSfondo, Qt::white, 6);
    Look::setSection(shpSepara, Look::steelBlue);
    Look::setPicture(imgScheda, QStringLiteral("anteprima"));
    Look::setPicture(imgUscita, QStringLiteral("logo"));
    connectButtons(btnAnnulla, btnStampa);
}

void TfrmStartup::output()
{
    repDocumento.preview(this);
}
