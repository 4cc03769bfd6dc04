#include "appointments/TfrmAssolti.h"

TfrmAssolti* frmAssolti = nullptr;

TfrmAssolti::TfrmAssolti(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
}
