#include "reports/ListSort.h"

#include "reports/AsciiCase.h"

ListSort::Key ListSort::key(QStringView line)
{
    // One byte per unit. A unit beyond the byte range ends the key, which then
    // only says "at least 255 here"; the texts decide between such lines.
    quint64 bytes[2] = {0, 0};
    const qsizetype length = qMin<qsizetype>(line.size(), 16);
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t unit = AsciiCase::upper(line.at(i).unicode());
        const quint64 byte = qMin<char16_t>(unit, 255);
        bytes[i / 8] |= byte << (8 * (7 - i % 8));
        if (byte == 255)
            break;
    }
    return {bytes[0], bytes[1]};
}
