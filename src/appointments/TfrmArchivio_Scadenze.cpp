#include "appointments/TfrmArchivio_Scadenze.h"

TfrmArchivio_Scadenze* frmArchivio_Scadenze = nullptr;

TfrmArchivio_Scadenze::TfrmArchivio_Scadenze(QWidget* parent) : TopLevelScreen(parent)
{
    setupUi(this);
}
