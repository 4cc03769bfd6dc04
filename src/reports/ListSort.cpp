#include "reports/ListSort.h"

#include "reports/AsciiCase.h"
#include "storage/Cp1252.h"

namespace {
// unitAt(i) is the i-th UTF-16 unit of a text of the given size.
template <class UnitAt> ListSort::Key keyOf(qsizetype size, UnitAt&& unitAt)
{
    // One byte per unit. A unit beyond the byte range ends the key, which then
    // only says "at least 255 here"; the texts decide between such lines.
    quint64 bytes[2] = {0, 0};
    const qsizetype length = qMin<qsizetype>(size, 16);
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t unit = AsciiCase::upper(unitAt(i));
        const quint64 byte = qMin<char16_t>(unit, 255);
        bytes[i / 8] |= byte << (8 * (7 - i % 8));
        if (byte == 255)
            break;
    }
    return {bytes[0], bytes[1]};
}
} // namespace

ListSort::Key ListSort::key(QStringView line)
{
    return keyOf(line.size(), [line](qsizetype i) { return line[i].unicode(); });
}

ListSort::Key ListSort::key(QByteArrayView stored)
{
    return keyOf(stored.size(), [stored](qsizetype i) { return Cp1252::characterOf(stored[i]); });
}
