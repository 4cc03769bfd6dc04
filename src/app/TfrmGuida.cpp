#include "app/TfrmGuida.h"

TfrmGuida* frmGuida = nullptr;

TfrmGuida::TfrmGuida(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
}
