#include "reportengine/ReportTemplate.h"

ReportTemplate::ReportTemplate(const QString& name) : m_name(name) {}

ReportPage& ReportTemplate::addPage(const QString& name, QPageLayout::Orientation orientation, double marginMm)
{
    m_pages.push_back(std::make_unique<ReportPage>(name, orientation, marginMm));
    return *m_pages.back();
}

void ReportTemplate::setOrientation(QPageLayout::Orientation orientation)
{
    for (const auto& page : m_pages)
        page->setOrientation(orientation);
}

ReportObject* ReportTemplate::findObject(const QString& name) const
{
    for (const auto& page : m_pages) {
        if (ReportObject* object = page->objects().find(name))
            return object;
        for (const auto& band : page->bands())
            if (ReportObject* object = band->objects().find(name))
                return object;
    }
    return nullptr;
}

MemoView* ReportTemplate::findMemo(const QString& name) const
{
    ReportObject* object = findObject(name);
    return object && object->kind() == ReportObject::Kind::Memo ? static_cast<MemoView*>(object) : nullptr;
}

ReportBand* ReportTemplate::findBand(const QString& name) const
{
    for (const auto& page : m_pages)
        for (const auto& band : page->bands())
            if (band->name() == name)
                return band.get();
    return nullptr;
}

ReportPage* ReportTemplate::findPage(const QString& name) const
{
    for (const auto& page : m_pages)
        if (page->name() == name)
            return page.get();
    return nullptr;
}
