#pragma once

#include "reportengine/ReportObjects.h"

// A horizontal strip of a report page that holds objects. Bands print once
// each, in the order they were added to the page: the report title at the top of
// the first page, the master data below it, then the footer. A band that may
// split (or that is taller than a page) continues on the following pages, cut
// only between the lines of its memos.
class ReportBand
{
public:
    enum class Kind { ReportTitle, MasterData, Footer };

    ReportBand(Kind kind, const QString& name, double height);
    Q_DISABLE_COPY_MOVE(ReportBand)

    Kind kind() const { return m_kind; }
    const QString& name() const { return m_name; }
    double height() const { return m_height; }
    void setHeight(double units) { m_height = units; }
    bool allowSplit() const { return m_allowSplit; }
    void setAllowSplit(bool allow) { m_allowSplit = allow; }

    ReportObjects& objects() { return m_objects; }
    const ReportObjects& objects() const { return m_objects; }

private:
    Kind m_kind;
    QString m_name;
    double m_height;
    bool m_allowSplit = false;
    ReportObjects m_objects;
};
