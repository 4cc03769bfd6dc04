#include "checks/TfrmCarta.h"

TfrmCarta* frmCarta = nullptr;

TfrmCarta::TfrmCarta(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
}
