#pragma once

#include "reportengine/LineView.h"
#include "reportengine/MemoView.h"
#include "reportengine/PictureView.h"
#include "reportengine/RectView.h"

#include <memory>
#include <vector>

// The objects of a band or of a page, in drawing order (later ones on top).
// Geometries are in report units; ReportUnits::fromMm converts millimetres.
class ReportObjects
{
public:
    ReportObjects() = default;
    Q_DISABLE_COPY(ReportObjects)
    ReportObjects(ReportObjects&&) = default;
    ReportObjects& operator=(ReportObjects&&) = default;

    MemoView& addMemo(const QString& name, const QRectF& geometry);
    LineView& addLine(const QString& name, const QRectF& geometry);
    RectView& addRect(const QString& name, const QRectF& geometry);
    PictureView& addPicture(const QString& name, const QRectF& geometry, const QString& source);

    ReportObject* find(const QString& name) const;
    const std::vector<std::unique_ptr<ReportObject>>& all() const { return m_objects; }

private:
    template <class T> T& add(std::unique_ptr<T> object)
    {
        T& added = *object;
        m_objects.push_back(std::move(object));
        return added;
    }

    std::vector<std::unique_ptr<ReportObject>> m_objects;
};
