#include "checks/TfrmCodFisc.h"

TfrmCodFisc* frmCodFisc = nullptr;

TfrmCodFisc::TfrmCodFisc(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
}
