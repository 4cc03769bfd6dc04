#pragma once

#include "app/Screen.h"
#include "reports/ListReport.h"
#include "ui_TfrmAllegaExcel.h"

class QKeyEvent;

// The treatments history of the client on the client card: the list of the
// services with the total paid (panContainer) and the editor of one service
// (panCosti). The editor's lblPosizione tells a new service (empty: Save
// appends) from a stored one (its record number: Save rewrites it).
class TfrmAllegaExcel final : public ModalScreen, public Ui::TfrmAllegaExcel
{
    Q_OBJECT
public:
    explicit TfrmAllegaExcel(QWidget* parent = nullptr);

    // The printed summary.
    ListReport frxReport;

protected:
    void FormShow() override;

private:
    void FormClose();
    bool txtTrovaKeyDown(QKeyEvent* event);
    void btnTrovaClick();
    void btnStampaClick();
    void btnAggiungiClick();
    void btnModificaClick();
    void btnSalvaClick();
    void impDataClick();
    void impOraClick();
    bool txtImportoKeyDown(QKeyEvent* event);
    void txtImportoExit();
    void btnChiudiClick();
    void cmdCloseClick();

    void showEditor();
};

extern TfrmAllegaExcel* frmAllegaExcel;
