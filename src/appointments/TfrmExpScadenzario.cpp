#include "appointments/TfrmExpScadenzario.h"

#include "appointments/AppointmentGrid.h"
#include "storage/TSchedaAppuntamento.h"

TfrmExpScadenzario* frmExpScadenzario = nullptr;

TfrmExpScadenzario::TfrmExpScadenzario(QWidget* parent) : GridScreen(parent)
{
    Ui::TfrmExpScadenzario::setupUi(this);
    setUpGrid({QStringLiteral("ESPORTAZIONE IN EXCEL"), QStringLiteral("Riepilogo_Appuntamenti.xls"),
               QStringLiteral("Riepilogo Appuntamenti"), AppointmentGrid::columns(130), Help::appointmentExport()});
}

void TfrmExpScadenzario::FormShow()
{
    loadGrid(TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size, nullptr, AppointmentGrid::addCells);
}
