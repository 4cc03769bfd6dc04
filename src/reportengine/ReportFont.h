#pragma once

#include <QFont>
#include <QString>

// Fonts of the report templates. The families the templates name (Courier New,
// Arial, Verdana, Tahoma) are asked for by name; where a machine lacks them the
// font system substitutes its metric-compatible or nearest family, and the style
// hint keeps Courier New fixed-pitch so that list columns stay aligned.
namespace ReportFont {
QFont make(const QString& family, double points, bool bold = false);
} // namespace ReportFont
