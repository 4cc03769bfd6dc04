#include "agenda/TfrmExpGiornaliere.h"

TfrmExpGiornaliere* frmExpGiornaliere = nullptr;

TfrmExpGiornaliere::TfrmExpGiornaliere(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
}
