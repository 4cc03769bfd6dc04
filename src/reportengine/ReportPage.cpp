#include "reportengine/ReportPage.h"

#include "reportengine/ReportUnits.h"

ReportPage::ReportPage(const QString& name, QPageLayout::Orientation orientation, double marginMm)
    : m_name(name), m_orientation(orientation)
{
    const double margin = ReportUnits::fromMm(marginMm);
    m_margins = QMarginsF(margin, margin, margin, margin);
}

QSizeF ReportPage::size() const
{
    const QSizeF portrait(ReportUnits::fromMm(210), ReportUnits::fromMm(297));
    return m_orientation == QPageLayout::Portrait ? portrait : portrait.transposed();
}

QRectF ReportPage::printableRect() const
{
    return QRectF(QPointF(0, 0), size()).marginsRemoved(m_margins);
}

ReportBand& ReportPage::addBand(ReportBand::Kind kind, const QString& name, double height)
{
    m_bands.push_back(std::make_unique<ReportBand>(kind, name, height));
    return *m_bands.back();
}
