#include "access/TfrmPassword.h"

TfrmPassword* frmPassword = nullptr;

TfrmPassword::TfrmPassword(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
}
