#include "reportengine/PreparedPage.h"

QStringList PreparedPage::texts() const
{
    QStringList texts;
    for (const Item& item : items)
        if (const auto* text = std::get_if<Text>(&item))
            texts.append(text->text);
    return texts;
}
