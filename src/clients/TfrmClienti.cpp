#include "clients/TfrmClienti.h"

TfrmClienti* frmClienti = nullptr;

TfrmClienti::TfrmClienti(QWidget* parent) : TopLevelScreen(parent)
{
    setupUi(this);
}
