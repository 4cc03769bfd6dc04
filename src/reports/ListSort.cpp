#include "reports/ListSort.h"

#include "reports/AsciiCase.h"
#include "storage/Cp1252.h"

#include <algorithm>

ListSort::Key ListSort::key(QByteArrayView stored)
{
    // One byte per character. A character beyond the byte range ends the key,
    // which then only says "at least 255 here"; the texts decide between such lines.
    quint64 bytes[2] = {0, 0};
    const qsizetype length = qMin<qsizetype>(stored.size(), 16);
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t unit = AsciiCase::upper(Cp1252::characterOf(stored[i]));
        const quint64 byte = qMin<char16_t>(unit, 255);
        bytes[i / 8] |= byte << (8 * (7 - i % 8));
        if (byte == 255)
            break;
    }
    return {bytes[0], bytes[1]};
}

std::vector<size_t> ListSort::order(const std::vector<QByteArrayView>& texts)
{
    // Each text's key is made once; the keys decide nearly every comparison,
    // the texts the rest, and the text's place breaks ties.
    struct Keyed
    {
        Key key;
        QByteArrayView text;
        size_t index;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(texts.size());
    for (size_t i = 0; i < texts.size(); ++i)
        keyed.push_back({key(texts[i]), texts[i], i});
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        if (!(a.key == b.key))
            return a.key < b.key;
        const int order = AsciiCase::compareFolded(a.text, b.text);
        return order != 0 ? order < 0 : a.index < b.index;
    });
    std::vector<size_t> indices;
    indices.reserve(keyed.size());
    for (const Keyed& k : keyed)
        indices.push_back(k.index);
    return indices;
}
