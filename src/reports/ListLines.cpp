#include "reports/ListLines.h"

#include "reports/ListSort.h"
#include "storage/Cp1252.h"

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
    std::vector<QByteArrayView> texts;
    texts.reserve(m_entries.size());
    for (qsizetype row = 0; row < size(); ++row)
        texts.push_back(stored(row));
    std::vector<Entry> sorted;
    sorted.reserve(m_entries.size());
    for (const size_t row : ListSort::order(texts))
        sorted.push_back(m_entries[row]);
    m_entries.swap(sorted);
}
