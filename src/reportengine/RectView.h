#pragma once

#include "reportengine/ReportObject.h"

#include <QColor>

// A rectangle, filled and/or framed; an invalid colour leaves that part out.
class RectView final : public ReportObject
{
public:
    RectView(const QString& name, const QRectF& geometry) : ReportObject(Kind::Rect, name, geometry) {}

    const QColor& fill() const { return m_fill; }
    void setFill(const QColor& colour) { m_fill = colour; }
    const QColor& frame() const { return m_frame; }
    void setFrame(const QColor& colour, double width = 1)
    {
        m_frame = colour;
        m_frameWidth = width;
    }
    double frameWidth() const { return m_frameWidth; }

private:
    QColor m_fill;
    QColor m_frame;
    double m_frameWidth = 1;
};
