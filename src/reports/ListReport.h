#pragma once

#include "reportengine/Report.h"
#include "reports/ListLines.h"

#include <QStringList>

// The list report frxReport ("Riepilogo dati") that every list screen keeps, and
// its print procedure: btnStampaClick is one call,
//     frxReport.print(QStringLiteral("Riepilogo impegni assolti"), lstRecords->lines(), {}, this);
// A landscape A4 page with the title bar txtTitolo, the master data band
// MasterData holding every line in txtRiepilogo (split across as many pages as
// needed) and the footer txtPagina "Stampa eseguita in data [DATE]".
class ListReport final
{
public:
    // Height of one printed line of txtRiepilogo, in report units.
    static constexpr double LineHeight = 12.822;
    // Room left in MasterData below the lines.
    static constexpr double BandExtra = 10;

    ListReport();

    static ReportTemplate makeTemplate();
    Report& report() { return m_report; }

    // Title, the lines in the order given, then the closing lines; the memo and
    // band heights follow the number of memo lines.
    void fill(const QString& title, const ListLines& lines, const QStringList& closingLines = {});
    // fill(), prepare and print through the print dialog; no preview.
    bool print(const QString& title, const ListLines& lines, const QStringList& closingLines, QWidget* parent);

private:
    Report m_report;
};
