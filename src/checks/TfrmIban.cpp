#include "checks/TfrmIban.h"

TfrmIban* frmIban = nullptr;

TfrmIban::TfrmIban(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
}
