#pragma once

#include <QRectF>

// The report unit is 1/96 inch. Templates are drawn in millimetres and converted
// once, so that every height a screen sets (for example lines x 12.822) is in the
// same unit as the layout.
namespace ReportUnits {
constexpr double PerMm = 96.0 / 25.4;

constexpr double fromMm(double mm)
{
    return mm * PerMm;
}

inline QRectF fromMm(double left, double top, double width, double height)
{
    return {fromMm(left), fromMm(top), fromMm(width), fromMm(height)};
}
} // namespace ReportUnits
