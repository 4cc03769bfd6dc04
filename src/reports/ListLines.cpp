#include "reports/ListLines.h"

#include "reports/ListSort.h"
#include "storage/CountedText.h"
#include "storage/Cp1252.h"

#include <cstring>
#include <optional>

namespace {
// A piece's length: one byte below this, otherwise this byte and four more.
constexpr unsigned char kLongPiece = 255;

qsizetype lengthSize(qsizetype length)
{
    return length < kLongPiece ? 1 : 5;
}

char* putLength(char* out, qsizetype length)
{
    if (length < kLongPiece) {
        *out = char(length);
        return out + 1;
    }
    *out = char(kLongPiece);
    const quint32 value = quint32(length);
    std::memcpy(out + 1, &value, 4);
    return out + 5;
}

const char* takeLength(const char* in, qsizetype* length)
{
    if (static_cast<unsigned char>(*in) < kLongPiece) {
        *length = static_cast<unsigned char>(*in);
        return in + 1;
    }
    quint32 value;
    std::memcpy(&value, in + 1, 4);
    *length = qsizetype(value);
    return in + 5;
}

// The pieces of a line are mostly a few bytes long, and a list of a million
// lines has a dozen of them in each: copied and padded here with a few wide
// moves, rather than with a library call for every piece.
struct Block
{
    char bytes[16];
};

// The first and the last sizeof(Word) bytes of n (at least sizeof(Word)),
// overlapping when n is less than twice that.
template <class Word> void putEnds(char* out, const char* in, qsizetype n)
{
    Word head;
    Word tail;
    std::memcpy(&head, in, sizeof(Word));
    std::memcpy(&tail, in + n - qsizetype(sizeof(Word)), sizeof(Word));
    std::memcpy(out, &head, sizeof(Word));
    std::memcpy(out + n - qsizetype(sizeof(Word)), &tail, sizeof(Word));
}

char* put(char* out, const char* in, qsizetype n)
{
    if (n > 128) {
        std::memcpy(out, in, size_t(n));
    } else if (n >= 16) {
        // Whole blocks, then the last sixteen bytes, which may overlap them.
        for (qsizetype i = 0; i + 16 < n; i += 16)
            std::memcpy(out + i, in + i, sizeof(Block));
        std::memcpy(out + n - 16, in + n - 16, sizeof(Block));
    } else if (n >= 8) {
        putEnds<quint64>(out, in, n);
    } else if (n >= 4) {
        putEnds<quint32>(out, in, n);
    } else {
        for (qsizetype i = 0; i < n; ++i)
            out[i] = in[i];
    }
    return out + n;
}

char* pad(char* out, qsizetype n)
{
    constexpr quint64 spaces = 0x2020202020202020u;
    if (n < 8) {
        for (qsizetype i = 0; i < n; ++i)
            out[i] = ' ';
        return out + n;
    }
    for (qsizetype i = 0; i + 8 <= n; i += 8)
        std::memcpy(out + i, &spaces, 8);
    std::memcpy(out + n - 8, &spaces, 8);
    return out + n;
}
} // namespace

void ListLines::append(QStringView line, qint64 position)
{
    // A line taken as it is: one column, neither padded nor cut.
    static const ListLine::Layout plain{{"", ListLine::Unpadded}};
    const std::optional<QByteArray> exact = Cp1252::encodeExactly(line);
    const QByteArray bytes = exact ? *exact : Cp1252::encode(line.toString());
    appendPieces(position, plain, {bytes}, false);
}

void ListLines::appendStored(qint64 position, const ListLine::Layout& layout,
                             std::initializer_list<QByteArrayView> fields)
{
    appendPieces(position, layout, fields, true);
}

void ListLines::appendPieces(qint64 position, const ListLine::Layout& layout,
                             std::initializer_list<QByteArrayView> pieces, bool trim)
{
    Q_ASSERT(pieces.size() == layout.size());
    const quint32 index = indexOf(layout);
    // Room for the pieces as given: trimming and cutting only shorten them.
    qsizetype room = 0;
    for (const QByteArrayView piece : pieces)
        room += lengthSize(piece.size()) + piece.size();
    const qsizetype offset = m_used;
    if (m_pieces.size() < offset + room)
        m_pieces.resize(qMax(offset + room, 2 * m_pieces.size()));
    char* out = m_pieces.data() + offset;
    qsizetype lineLength = 0;
    auto column = layout.begin();
    for (const QByteArrayView piece : pieces) {
        QByteArrayView text = trim ? CountedText::trimmed(piece) : piece;
        if (column->width != ListLine::Unpadded && text.size() > column->width)
            text.truncate(column->width);
        out = putLength(out, text.size());
        out = put(out, text.data(), text.size());
        lineLength += column->before.size() + qMax<qsizetype>(text.size(), column->width);
        ++column;
    }
    m_used = out - m_pieces.constData();
    m_layouts[index].longest = qMax(m_layouts[index].longest, lineLength);
    m_entries.push_back({offset, position, index});
}

quint32 ListLines::indexOf(const ListLine::Layout& layout)
{
    // Nearly every line is made like the one before it, and a list has a
    // layout or two.
    if (!m_entries.empty() && m_layouts[m_entries.back().layout].layout == &layout)
        return m_entries.back().layout;
    for (size_t i = 0; i < m_layouts.size(); ++i)
        if (m_layouts[i].layout == &layout)
            return quint32(i);
    m_layouts.push_back({&layout});
    return quint32(m_layouts.size() - 1);
}

void ListLines::clear()
{
    m_pieces.clear();
    m_used = 0;
    m_entries.clear();
    m_layouts.clear();
}

char* ListLines::writeLine(const Entry& entry, char* out) const
{
    const char* in = m_pieces.constData() + entry.offset;
    for (const ListLine::Column& column : *m_layouts[entry.layout].layout) {
        out = put(out, column.before.data(), column.before.size());
        qsizetype n;
        in = takeLength(in, &n);
        out = put(out, in, n);
        in += n;
        if (column.width > n)
            out = pad(out, column.width - n);
    }
    return out;
}

QByteArrayView ListLines::stored(qsizetype row, QByteArray& buffer) const
{
    const Entry& entry = m_entries[size_t(row)];
    // Grown to the longest line once, so that a search through every line
    // writes each one in a single pass.
    const qsizetype longest = m_layouts[entry.layout].longest;
    if (buffer.size() < longest)
        buffer.resize(longest);
    const char* end = writeLine(entry, buffer.data());
    return QByteArrayView(buffer.constData(), end - buffer.constData());
}

QString ListLines::line(qsizetype row) const
{
    QByteArray buffer;
    const QByteArrayView bytes = stored(row, buffer);
    return Cp1252::decode(bytes.data(), bytes.size());
}

void ListLines::sortFolded()
{
    // The texts put together side by side, once, for the sort to compare.
    QByteArray all;
    std::vector<qsizetype> starts;
    starts.reserve(m_entries.size() + 1);
    for (const Entry& entry : m_entries) {
        const qsizetype start = all.size();
        starts.push_back(start);
        all.resize(start + m_layouts[entry.layout].longest);
        all.resize(writeLine(entry, all.data() + start) - all.constData());
    }
    starts.push_back(all.size());
    std::vector<QByteArrayView> texts;
    texts.reserve(m_entries.size());
    for (size_t row = 0; row < m_entries.size(); ++row)
        texts.push_back(QByteArrayView(all.constData() + starts[row], starts[row + 1] - starts[row]));
    std::vector<Entry> sorted;
    sorted.reserve(m_entries.size());
    for (const size_t row : ListSort::order(texts))
        sorted.push_back(m_entries[row]);
    m_entries.swap(sorted);
}
