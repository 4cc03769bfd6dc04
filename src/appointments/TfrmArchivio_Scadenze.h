#pragma once

#include "app/Screen.h"
#include "ui_TfrmArchivio_Scadenze.h"

struct TSchedaAppuntamento;
class QKeyEvent;

// The appointment card: one appointment at a time, the only screen that writes
// the appointment archive. Which record is on display lives in lblPosizione
// (empty for a new card); saving rewrites that record or appends a new one.
class TfrmArchivio_Scadenze final : public TopLevelScreen, public Ui::TfrmArchivio_Scadenze
{
    Q_OBJECT
public:
    explicit TfrmArchivio_Scadenze(QWidget* parent = nullptr);

    // Shows the stored appointment at the 1-based position, as navigation does;
    // the status lists and the appointment search call it for the chosen line.
    void loadRecord(const TSchedaAppuntamento& scheda, qint64 position);

protected:
    void FormShow() override;

private:
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdSalvaClick();
    void cmdTrovaClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdAssoltiClick();
    void cmdDaAssolvereClick();
    void cmdScadutiClick();
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void impDataClick();
    void impContattoClick();
    void btnEmailClick();
    void btnWhatsAppClick();

    bool txtDataKeyDown(QKeyEvent* event);
    bool txtOreAppKeyDown(QKeyEvent* event);
    void txtOreAppCanFocus();
    void txtOreAppExit();
    bool txtMinutiAppKeyDown(QKeyEvent* event);
    void txtMinutiAppCanFocus();
    void txtMinutiAppExit();
    bool txtAvvisoKeyDown(QKeyEvent* event);
    void txtAvvisoExit();
    bool txtCelKeyDown(QKeyEvent* event);
    void txtEmailTyping();
    bool txtImportoKeyDown(QKeyEvent* event);
    void txtImportoExit();

    // Reads the record at the 0-based index and shows it, or shows the
    // archive error box.
    void showRecordAt(qint64 index);
    TSchedaAppuntamento cardRecord() const;
    void showArchiveError();
};

extern TfrmArchivio_Scadenze* frmArchivio_Scadenze;
