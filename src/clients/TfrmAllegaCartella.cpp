#include "clients/TfrmAllegaCartella.h"

TfrmAllegaCartella* frmAllegaCartella = nullptr;

TfrmAllegaCartella::TfrmAllegaCartella(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
}
