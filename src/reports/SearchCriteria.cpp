#include "reports/SearchCriteria.h"

#include "app/Text.h"

SearchCriteria::SearchCriteria(const QStringList& boxes)
{
    for (int box = 0; box < boxes.size(); ++box)
        if (!Text::isBlank(boxes.at(box)))
            m_filled.append({box, AsciiCase::lowered(boxes.at(box))});
}
