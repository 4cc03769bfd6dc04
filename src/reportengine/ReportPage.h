#pragma once

#include "reportengine/ReportBand.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QSizeF>

// An A4 page of a template: orientation, margins, the objects standing directly
// on it (printed on each of its pages) and its bands.
class ReportPage
{
public:
    ReportPage(const QString& name, QPageLayout::Orientation orientation, double marginMm);
    Q_DISABLE_COPY_MOVE(ReportPage)

    const QString& name() const { return m_name; }
    QPageLayout::Orientation orientation() const { return m_orientation; }
    void setOrientation(QPageLayout::Orientation orientation) { m_orientation = orientation; }
    // In report units.
    const QMarginsF& margins() const { return m_margins; }
    QSizeF size() const;
    QRectF printableRect() const;

    ReportObjects& objects() { return m_objects; }
    const ReportObjects& objects() const { return m_objects; }

    ReportBand& addBand(ReportBand::Kind kind, const QString& name, double height);
    const std::vector<std::unique_ptr<ReportBand>>& bands() const { return m_bands; }

private:
    QString m_name;
    QPageLayout::Orientation m_orientation;
    QMarginsF m_margins;
    ReportObjects m_objects;
    std::vector<std::unique_ptr<ReportBand>> m_bands;
};
