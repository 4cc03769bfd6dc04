#include "appointments/TfrmTrovaScadenze.h"

TfrmTrovaScadenze* frmTrovaScadenze = nullptr;

TfrmTrovaScadenze::TfrmTrovaScadenze(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
}
