#pragma once

#include "app/Screen.h"
#include "reports/ListReport.h"
#include "ui_TfrmAgenda.h"

// The agenda: at every showing it lists the imminent appointments in date and
// time order, tells by its pictures whether there are any and plays the alert
// sound when there are. It never writes the archive. The hidden labels titData,
// titOra, titContatto and titCel hold the appointment of the selected line for
// the WhatsApp reminder; the grids read the date selected in calAppuntamenti.
class TfrmAgenda final : public TopLevelScreen, public Ui::TfrmAgenda
{
    Q_OBJECT
public:
    explicit TfrmAgenda(QWidget* parent = nullptr);

    ListReport frxReport;

protected:
    void FormShow() override;
    // Stops the alert sound, then returns to the launcher.
    void FormClose() override;

private:
    void btnCaricaListaClick();
    void lstRecordsClick();
    void btnWhatsAppClick();
    void btnStampaClick();
    void btnExcelClick();
    void btnGiornoClick();
    void btnMeseClick();
    void appApriArchivioClick();
    void imgGuidaClick();
    void imgEsciClick();

    void showImminent(bool any);
};

extern TfrmAgenda* frmAgenda;
