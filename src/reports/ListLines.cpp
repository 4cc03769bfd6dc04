#include "reports/ListLines.h"

#include "reports/AsciiCase.h"
#include "reports/ListSort.h"
#include "storage/Cp1252.h"

#include <algorithm>
#include <optional>

void ListLines::append(QStringView line, qint64 position)
{
    const qsizetype offset = m_text.size();
    if (const std::optional<QByteArray> bytes = Cp1252::encodeExactly(line))
        m_text.append(*bytes);
    else
        m_text.append(Cp1252::encode(line.toString()));
    m_entries.push_back({offset, m_text.size() - offset, position});
}

void ListLines::appendStored(qint64 position, std::initializer_list<ListLine::StoredPiece> pieces)
{
    const qsizetype offset = m_text.size();
    ListLine::appendStored(m_text, pieces);
    m_entries.push_back({offset, m_text.size() - offset, position});
}

void ListLines::clear()
{
    m_text.clear();
    m_entries.clear();
}

QByteArrayView ListLines::stored(qsizetype row) const
{
    const Entry& entry = m_entries[size_t(row)];
    return QByteArrayView(m_text).sliced(entry.offset, entry.length);
}

QString ListLines::line(qsizetype row) const
{
    const QByteArrayView bytes = stored(row);
    return Cp1252::decode(bytes.data(), bytes.size());
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
        keyed.push_back({ListSort::key(stored(row)), m_entries[size_t(row)]});
    const QByteArrayView text(m_text);
    std::sort(keyed.begin(), keyed.end(), [text](const Keyed& a, const Keyed& b) {
        if (!(a.key == b.key))
            return a.key < b.key;
        const int order = AsciiCase::compareFolded(text.sliced(a.entry.offset, a.entry.length),
                                                   text.sliced(b.entry.offset, b.entry.length));
        return order != 0 ? order < 0 : a.entry.position < b.entry.position;
    });
    for (size_t i = 0; i < keyed.size(); ++i)
        m_entries[i] = keyed[i].entry;
}
