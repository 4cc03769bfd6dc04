#pragma once

#include "reportengine/PreparedPage.h"
#include "reportengine/ReportTemplate.h"

// Lays a template out into pages. Bands follow one another down the page; a band
// that does not fit continues on the next page, cut between two text lines so
// that no line is lost or printed twice. Each memo line is printed on its own
// line and cut at the memo's right edge. Screens do not call this: Report::prepare does.
namespace ReportLayout {
std::vector<PreparedPage> prepare(const ReportTemplate& reportTemplate);
} // namespace ReportLayout
