#include "appointments/TfrmStartup.h"

TfrmStartup* frmStartup = nullptr;

TfrmStartup::TfrmStartup(QWidget* parent) : ModalScreen(parent, Placement::Owner)
{
    setupUi(this);
}
