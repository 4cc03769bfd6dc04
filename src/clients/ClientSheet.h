#pragma once

#include "clients/ClientSheetContent.h"
#include "reportengine/Report.h"

struct TSchedaCliente;
class QWidget;

// The client card sheet repScheda ("Scheda informativa"), kept by the client
// card: one portrait A4 page with the logo, the title bar, 24 rows of caption
// and value and the footer bar. Each output fills the template from the card's
// fields as they stand (nothing is read from the archive), prepares it and
// prints, previews or writes "Contatto.pdf". Failures are the engine's to report.
class ClientSheet final
{
public:
    ClientSheet();
    Q_DISABLE_COPY_MOVE(ClientSheet)

    static ReportTemplate makeTemplate();
    Report& report() { return m_report; }

    // Through the print dialog.
    void print(const TSchedaCliente& card, QWidget* parent);
    // In the modal preview window, from which the sheet can be printed.
    void preview(const TSchedaCliente& card, QWidget* parent);
    // Writes "Contatto.pdf" in the data folder without a dialog, replacing the
    // one before, then offers to open it.
    void exportPdf(const TSchedaCliente& card, QWidget* parent);

private:
    void fill(const TSchedaCliente& card, ClientSheetContent::Output output);

    Report m_report;
};
