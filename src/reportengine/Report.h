#pragma once

#include "reportengine/PdfOptions.h"
#include "reportengine/PreparedPage.h"
#include "reportengine/ReportTemplate.h"

class QWidget;

// A report as a screen keeps it (the list screens' frxReport, the sheets'
// repDocumento and repScheda): its template, the pages last prepared and the
// three outputs. A screen sets the template's texts and heights, calls prepare(),
// then print(), preview() or exportPdf(). Failures of the outputs are reported
// here, as error messages, and come back as false.
class Report final
{
public:
    explicit Report(ReportTemplate reportTemplate);
    Q_DISABLE_COPY_MOVE(Report)

    ReportTemplate& reportTemplate() { return m_template; }
    ReportObject* findObject(const QString& name) const { return m_template.findObject(name); }
    MemoView* findMemo(const QString& name) const { return m_template.findMemo(name); }
    ReportBand* findBand(const QString& name) const { return m_template.findBand(name); }
    void setOrientation(QPageLayout::Orientation orientation) { m_template.setOrientation(orientation); }

    // Lays the template out as it now stands, discarding the pages prepared before.
    void prepare();
    const std::vector<PreparedPage>& preparedPages() const { return m_pages; }

    // Shows the print dialog and prints the prepared pages; false when the user
    // cancels (nothing is printed) or printing fails.
    bool print(QWidget* parent);
    // Shows the prepared pages in the modal preview window, from which they can
    // be printed; returns when the window is closed.
    void preview(QWidget* parent);
    // Writes the prepared pages to a PDF file without any dialog, replacing the
    // file only once the new one is complete.
    bool exportPdf(const QString& path, const PdfOptions& options, QWidget* parent);

private:
    ReportTemplate m_template;
    std::vector<PreparedPage> m_pages;
};
