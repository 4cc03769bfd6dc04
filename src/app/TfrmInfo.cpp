#include "app/TfrmInfo.h"

TfrmInfo* frmInfo = nullptr;

TfrmInfo::TfrmInfo(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
}
