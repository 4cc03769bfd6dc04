#include "agenda/TfrmAgenda.h"

TfrmAgenda* frmAgenda = nullptr;

TfrmAgenda::TfrmAgenda(QWidget* parent) : TopLevelScreen(parent)
{
    setupUi(this);
}
