#pragma once

#include <QRectF>
#include <QString>

// An object of a report template: a memo, a line, a rectangle or a picture.
// Its geometry is in report units, relative to the band that holds it or, for
// objects standing directly on a page, to the page's printable area.
class ReportObject
{
public:
    enum class Kind { Memo, Line, Rect, Picture };

    ReportObject(Kind kind, const QString& name, const QRectF& geometry);
    virtual ~ReportObject() = default;
    Q_DISABLE_COPY_MOVE(ReportObject)

    Kind kind() const { return m_kind; }
    const QString& name() const { return m_name; }

    const QRectF& geometry() const { return m_geometry; }
    void setGeometry(const QRectF& geometry) { m_geometry = geometry; }
    void setHeight(double units) { m_geometry.setHeight(units); }

private:
    Kind m_kind;
    QString m_name;
    QRectF m_geometry;
};
