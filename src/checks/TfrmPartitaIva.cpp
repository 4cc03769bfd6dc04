#include "checks/TfrmPartitaIva.h"

TfrmPartitaIva* frmPartitaIva = nullptr;

TfrmPartitaIva::TfrmPartitaIva(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
}
