#include "appointments/TfrmStampaScadenza.h"

TfrmStampaScadenza* frmStampaScadenza = nullptr;

TfrmStampaScadenza::TfrmStampaScadenza(QWidget* parent) : ModalScreen(parent, Placement::Owner)
{
    setupUi(this);
}
