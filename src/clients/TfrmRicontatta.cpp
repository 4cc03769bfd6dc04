#include "clients/TfrmRicontatta.h"

TfrmRicontatta* frmRicontatta = nullptr;

TfrmRicontatta::TfrmRicontatta(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
}
