#include "clients/TfrmExpClienti.h"

TfrmExpClienti* frmExpClienti = nullptr;

TfrmExpClienti::TfrmExpClienti(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
}
