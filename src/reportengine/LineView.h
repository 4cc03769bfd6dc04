#pragma once

#include "reportengine/ReportObject.h"

#include <QColor>
#include <QLineF>

// A straight line from the geometry's top-left corner to its bottom-right one:
// a zero height gives a horizontal line, a zero width a vertical one.
class LineView final : public ReportObject
{
public:
    LineView(const QString& name, const QRectF& geometry) : ReportObject(Kind::Line, name, geometry) {}

    QLineF line() const { return {geometry().topLeft(), geometry().bottomRight()}; }
    const QColor& colour() const { return m_colour; }
    void setColour(const QColor& colour) { m_colour = colour; }
    double width() const { return m_width; }
    void setWidth(double units) { m_width = units; }

private:
    QColor m_colour = Qt::black;
    double m_width = 1;
};
