#pragma once

#include "reportengine/ReportPage.h"

// A report template as data: its name and its pages with their bands and
// objects. A screen builds its template once (ListReport, AppointmentSheet, or
// addPage/addBand/addMemo for a sheet of its own), then before each output finds
// its objects by name and sets their texts and heights. A sheet of its own:
//     ReportTemplate sheet(QStringLiteral("Scheda informativa"));
//     ReportPage& page = sheet.addPage(QStringLiteral("Page1"), QPageLayout::Portrait, 10);
//     MemoView& title = page.objects().addMemo(QStringLiteral("txtTitolo"), ReportUnits::fromMm(23, 3, 165, 9));
//     title.setFont(ReportFont::make(QStringLiteral("Arial"), 16));
//     title.setAlignment(Qt::AlignCenter);
//     Report repScheda(std::move(sheet));
class ReportTemplate
{
public:
    explicit ReportTemplate(const QString& name);
    Q_DISABLE_COPY(ReportTemplate)
    ReportTemplate(ReportTemplate&&) = default;
    ReportTemplate& operator=(ReportTemplate&&) = default;

    const QString& name() const { return m_name; }

    ReportPage& addPage(const QString& name, QPageLayout::Orientation orientation, double marginMm);
    const std::vector<std::unique_ptr<ReportPage>>& pages() const { return m_pages; }

    // Every page of the report.
    void setOrientation(QPageLayout::Orientation orientation);

    // Objects, bands and pages by name; nullptr when there is none of that kind.
    ReportObject* findObject(const QString& name) const;
    MemoView* findMemo(const QString& name) const;
    ReportBand* findBand(const QString& name) const;
    ReportPage* findPage(const QString& name) const;

private:
    QString m_name;
    std::vector<std::unique_ptr<ReportPage>> m_pages;
};
