#include "appointments/TfrmCalendario.h"

TfrmCalendario* frmCalendario = nullptr;

TfrmCalendario::TfrmCalendario(QWidget* parent) : ModalScreen(parent, Placement::Owner)
{
    setupUi(this);
}
