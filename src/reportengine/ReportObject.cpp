#include "reportengine/ReportObject.h"

ReportObject::ReportObject(Kind kind, const QString& name, const QRectF& geometry)
    : m_kind(kind), m_name(name), m_geometry(geometry)
{
}
