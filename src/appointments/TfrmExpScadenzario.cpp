#include "appointments/TfrmExpScadenzario.h"

TfrmExpScadenzario* frmExpScadenzario = nullptr;

TfrmExpScadenzario::TfrmExpScadenzario(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
}
