#include "app/TfrmAvvio.h"

TfrmAvvio* frmAvvio = nullptr;

TfrmAvvio::TfrmAvvio(QWidget* parent) : TopLevelScreen(parent)
{
    setupUi(this);
}
