#include "agenda/TfrmExpMensili.h"

TfrmExpMensili* frmExpMensili = nullptr;

TfrmExpMensili::TfrmExpMensili(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
}
