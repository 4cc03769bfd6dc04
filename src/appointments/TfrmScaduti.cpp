#include "appointments/TfrmScaduti.h"

TfrmScaduti* frmScaduti = nullptr;

TfrmScaduti::TfrmScaduti(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
}
