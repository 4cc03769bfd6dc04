#include "reportengine/ReportFont.h"

QFont ReportFont::make(const QString& family, double points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    const bool fixedPitch = family.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0;
    font.setStyleHint(fixedPitch ? QFont::TypeWriter : QFont::SansSerif);
    font.setFixedPitch(fixedPitch);
    // Printed text is measured and placed at high resolution; hinting for the
    // screen would make the cut of long lines depend on the output device.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}
