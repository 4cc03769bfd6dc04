#include "access/TfrmCambiaPassword.h"

TfrmCambiaPassword* frmCambiaPassword = nullptr;

TfrmCambiaPassword::TfrmCambiaPassword(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
}
