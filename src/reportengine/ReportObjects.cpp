#include "reportengine/ReportObjects.h"

MemoView& ReportObjects::addMemo(const QString& name, const QRectF& geometry)
{
    return add(std::make_unique<MemoView>(name, geometry));
}

LineView& ReportObjects::addLine(const QString& name, const QRectF& geometry)
{
    return add(std::make_unique<LineView>(name, geometry));
}

RectView& ReportObjects::addRect(const QString& name, const QRectF& geometry)
{
    return add(std::make_unique<RectView>(name, geometry));
}

PictureView& ReportObjects::addPicture(const QString& name, const QRectF& geometry, const QString& source)
{
    return add(std::make_unique<PictureView>(name, geometry, source));
}

ReportObject* ReportObjects::find(const QString& name) const
{
    for (const auto& object : m_objects)
        if (object->name() == name)
            return object.get();
    return nullptr;
}
