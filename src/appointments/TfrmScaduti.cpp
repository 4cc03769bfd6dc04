#include "appointments/TfrmScaduti.h"

TfrmScaduti* frmScaduti = nullptr;

TfrmScaduti::TfrmScaduti(QWidget* parent) : StatusListScreen(parent, StatusList::Kind::Expired)
{
    setupUi(this);
    setUpList(panContainer, QStringLiteral("scaduti"), QStringLiteral("Riepilogo impegni scaduti e non assolti"));
}
