#pragma once

#include "app/Screen.h"
#include "clients/ClientNavigation.h"
#include "clients/ClientSheet.h"
#include "storage/TSchedaCliente.h"
#include "ui_TfrmClienti.h"

#include <QList>

class QLineEdit;

// The client card: one client of "Contatti.pro" at a time. What the card shows
// lives in its controls; lblPosizione holds the 1-based position of the record
// shown, or nothing for a card not stored yet.
class TfrmClienti final : public TopLevelScreen, public Ui::TfrmClienti
{
    Q_OBJECT
public:
    explicit TfrmClienti(QWidget* parent = nullptr);

    // Shows a stored record and its position; the search and the recontact
    // list bring their chosen client into the card through here.
    void loadRecord(const TSchedaCliente& record, qint64 position);

protected:
    void FormShow() override;

private:
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdNuovoClick();
    void cmdSalvaClick();
    void cmdDuplicaClick();
    void btnProveClick();
    void btnCodFiscClick();
    void btnPartitaIvaClick();
    void btnCartaClick();
    void btnIbanClick();
    void btnEmailClick();
    void cmdFileClick();
    void cmdTrovaClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdPDFClick();
    void cmdRicontattaClick();
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();

    void navigate(ClientNavigation::Command command);
    void openVatNumberCheck(const QString& number);
    // The province fields offer their list with no item selected, whatever was picked before.
    void provinceCanFocus(QComboBox* province);
    void drawLook();
    void bindFieldRules();
    void bindHints();

    QLineEdit* edit(TSchedaCliente::Field field) const;
    TSchedaCliente recordFromCard() const;

    // The controls of the record's fields 1 to 29 (edit boxes and the two
    // province combo edits), then those of fields 31 to 36, in field order.
    QList<QWidget*> m_fields;
    QList<QLabel*> m_attachments;
    // The printed sheet, filled from the card at each use.
    ClientSheet repScheda;
};

extern TfrmClienti* frmClienti;
