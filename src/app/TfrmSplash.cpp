#include "app/TfrmSplash.h"

TfrmSplash* frmSplash = nullptr;

TfrmSplash::TfrmSplash(QWidget* parent) : ModalScreen(parent, Placement::Owner)
{
    setupUi(this);
}
