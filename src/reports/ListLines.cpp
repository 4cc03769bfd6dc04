#include "reports/ListLines.h"

#include "reports/AsciiCase.h"
#include "reports/ListSort.h"

#include <algorithm>

void ListLines::append(QStringView line, qint64 position)
{
    m_entries.push_back({m_text.size(), line.size(), position});
    m_text.append(line);
}

void ListLines::clear()
{
    m_text.clear();
    m_entries.clear();
}

QStringView ListLines::line(qsizetype row) const
{
    const Entry& entry = m_entries[size_t(row)];
    return QStringView(m_text).mid(entry.offset, entry.length);
}

void ListLines::sortFolded()
{
    struct Keyed
    {
        ListSort::Key key;
        Entry entry;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(m_entries.size());
    for (qsizetype row = 0; row < size(); ++row)
        keyed.push_back({ListSort::key(line(row)), m_entries[size_t(row)]});
    const QStringView text(m_text);
    std::sort(keyed.begin(), keyed.end(), [text](const Keyed& a, const Keyed& b) {
        if (!(a.key == b.key))
            return a.key < b.key;
        const int order = AsciiCase::compareFolded(text.mid(a.entry.offset, a.entry.length),
                                                   text.mid(b.entry.offset, b.entry.length));
        return order != 0 ? order < 0 : a.entry.position < b.entry.position;
    });
    for (size_t i = 0; i < keyed.size(); ++i)
        m_entries[i] = keyed[i].entry;
}
