#include "appointments/TfrmConfermati.h"

TfrmConfermati* frmConfermati = nullptr;

TfrmConfermati::TfrmConfermati(QWidget* parent) : StatusListScreen(parent, StatusList::Kind::ToFulfil)
{
    setupUi(this);
    setUpList(panContainer, QStringLiteral("confermati"), QStringLiteral("Riepilogo impegni da assolvere"));
}
