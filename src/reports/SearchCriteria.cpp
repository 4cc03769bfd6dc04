#include "reports/SearchCriteria.h"

#include "app/Text.h"
#include "storage/Cp1252.h"

SearchCriteria::SearchCriteria(const QStringList& boxes)
{
    for (int box = 0; box < boxes.size(); ++box)
        if (!Text::isBlank(boxes.at(box)))
            m_filled.append({box, Cp1252::encodeExactly(AsciiCase::lowered(boxes.at(box)))});
}
