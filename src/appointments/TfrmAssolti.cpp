#include "appointments/TfrmAssolti.h"

TfrmAssolti* frmAssolti = nullptr;

TfrmAssolti::TfrmAssolti(QWidget* parent) : StatusListScreen(parent, StatusList::Kind::Fulfilled)
{
    setupUi(this);
    setUpList(panContainer, QStringLiteral("assolti"), QStringLiteral("Riepilogo impegni assolti"));
}
