#include "clients/TfrmRicontatta.h"

#include "clients/ChosenClient.h"
#include "clients/Recontact.h"

TfrmRicontatta* frmRicontatta = nullptr;

TfrmRicontatta::TfrmRicontatta(QWidget* parent) : ListScreen(parent)
{
    setupUi(this);
    panContainer->setTitle(QStringLiteral("ricontatta"), QStringLiteral("Riepilogo clienti da ricontattare"));
    panContainer->lstRecords->setSorted(true);
    connect(panContainer->lstRecords, &QAbstractItemView::doubleClicked, this, &TfrmRicontatta::lstRecordsDblClick);
    connect(this, &QDialog::finished, this, &TfrmRicontatta::FormClose);
}

void TfrmRicontatta::FormShow()
{
    panContainer->clearSearch();
    // A failed read is silent: the list shows what was read before it.
    LoadedLines loaded = Recontact::load();
    panContainer->lstRecords->setLines(std::move(loaded.lines));
    panContainer->txtTrova->setFocus(Qt::OtherFocusReason);
}

void TfrmRicontatta::lstRecordsDblClick()
{
    // Whether or not the client could be read, the list closes without a word.
    ChosenClient::showOnCard(panContainer->lstRecords->selectedPosition());
    close();
}

void TfrmRicontatta::FormClose()
{
    panContainer->lstRecords->clear();
}
