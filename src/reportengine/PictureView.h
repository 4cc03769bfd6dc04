#pragma once

#include "reportengine/ReportObject.h"

// A picture (an SVG or a bitmap file or resource) fitted into its box with its
// proportions kept and centred. A picture that cannot be read prints nothing.
class PictureView final : public ReportObject
{
public:
    PictureView(const QString& name, const QRectF& geometry, const QString& source)
        : ReportObject(Kind::Picture, name, geometry), m_source(source)
    {
    }

    const QString& source() const { return m_source; }
    void setSource(const QString& source) { m_source = source; }

private:
    QString m_source;
};
