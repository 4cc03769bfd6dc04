#include "clients/TfrmTrovaClienti.h"

TfrmTrovaClienti* frmTrovaClienti = nullptr;

TfrmTrovaClienti::TfrmTrovaClienti(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
}
