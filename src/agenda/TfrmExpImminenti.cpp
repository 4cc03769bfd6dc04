#include "agenda/TfrmExpImminenti.h"

TfrmExpImminenti* frmExpImminenti = nullptr;

TfrmExpImminenti::TfrmExpImminenti(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
}
