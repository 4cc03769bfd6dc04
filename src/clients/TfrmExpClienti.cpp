#include "clients/TfrmExpClienti.h"

#include "clients/ClientExport.h"
#include "storage/TSchedaCliente.h"

TfrmExpClienti* frmExpClienti = nullptr;

TfrmExpClienti::TfrmExpClienti(QWidget* parent) : GridScreen(parent)
{
    Ui::TfrmExpClienti::setupUi(this);
    setUpGrid({QStringLiteral("ESPORTAZIONE IN EXCEL"), QStringLiteral("Clienti.xls"),
               QStringLiteral("Riepilogo Clienti"), ClientExport::columns(), Help::clientExport()});
}

void TfrmExpClienti::FormShow()
{
    loadGrid(TSchedaCliente::fileName(), TSchedaCliente::Size, nullptr, ClientExport::addCells);
}
