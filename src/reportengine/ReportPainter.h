#pragma once

#include "reportengine/PreparedPage.h"

class QPainter;

// Draws a prepared page on a painter whose origin is the paper's top-left
// corner; scale is the device's pixels per report unit (its dots per inch / 96).
// Report uses it for the printer, the preview and the PDF file.
namespace ReportPainter {
void paint(QPainter& painter, const PreparedPage& page, double scale);
} // namespace ReportPainter
