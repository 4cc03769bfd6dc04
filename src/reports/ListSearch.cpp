#include "reports/ListSearch.h"

#include "reports/AsciiCase.h"
#include "storage/Cp1252.h"

#include <optional>

ListSearch::Result ListSearch::find(const ListLines& lines, qsizetype selected, const QString& typed)
{
    const qsizetype count = lines.size();
    if (count == 0)
        return {Outcome::EmptyList, -1};
    if (selected < 0 || selected >= count)
        selected = 0;

    const QString text = AsciiCase::lowered(typed);
    const bool findNext = text == m_last;
    m_last = text;
    // The lines hold only the code page's characters: a text with any other occurs in none.
    const std::optional<QByteArray> stored = Cp1252::encodeExactly(text);
    QByteArray line;
    const auto matches = [&](qsizetype row) {
        return stored && AsciiCase::contains(lines.stored(row, line), QByteArrayView(*stored));
    };

    // A new search tests the first line first; "find next" starts after the
    // selected line and comes back to it last.
    const qsizetype start = findNext ? selected : 0;
    if (!findNext && matches(start))
        return {Outcome::Found, start};
    for (qsizetype row = (start + 1) % count;; row = (row + 1) % count) {
        if (matches(row))
            return {Outcome::Found, row};
        if (row == start)
            break;
    }
    return {Outcome::NotFound, selected};
}
