#include "appointments/TfrmConfermati.h"

TfrmConfermati* frmConfermati = nullptr;

TfrmConfermati::TfrmConfermati(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
}
