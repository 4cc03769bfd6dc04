#include "clients/TfrmAllegaExcel.h"

TfrmAllegaExcel* frmAllegaExcel = nullptr;

TfrmAllegaExcel::TfrmAllegaExcel(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
}
