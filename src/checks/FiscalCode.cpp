#include "checks/FiscalCode.h"

#include <array>

namespace {
// Both tables run by character code from "0" to "Z"; the seven punctuation
// characters between "9" and "A" are worth 0.
constexpr char16_t first = u'0';
constexpr char16_t last = u'Z';
using Table = std::array<int, last - first + 1>;

// Characters in odd positions (1, 3, ..., 15).
constexpr Table oddValues = {
    1,  0,  5,  7,  9,  13, 15, 17, 19, 21,                            // 0-9
    0,  0,  0,  0,  0,  0,  0,                                         // : ; < = > ? @
    1,  0,  5,  7,  9,  13, 15, 17, 19, 21, 2, 4, 18, 20, 11, 3, 6, 8, // A-R
    12, 14, 16, 10, 22, 25, 24, 23,                                    // S-Z
};

// Characters in even positions (2, 4, ..., 14).
constexpr Table evenValues = {
    0,  1,  2,  3,  4,  5,  6,  7,  8, 9,                                 // 0-9
    0,  0,  0,  0,  0,  0,  0,                                            // : ; < = > ? @
    0,  1,  2,  3,  4,  5,  6,  7,  8, 9, 10, 11, 12, 13, 14, 15, 16, 17, // A-R
    18, 19, 20, 21, 22, 23, 24, 25,                                       // S-Z
};
} // namespace

std::optional<QChar> FiscalCode::checkCharacter(const QString& code)
{
    if (code.size() < length - 1)
        return std::nullopt;
    int sum = 0;
    for (int i = 0; i < length - 1; ++i) {
        const char16_t c = code.at(i).unicode();
        if (c < first || c > last)
            return std::nullopt;
        // i counts from 0, so even i is an odd position.
        sum += (i % 2 == 0 ? oddValues : evenValues)[c - first];
    }
    return QChar(u'A' + sum % 26);
}

bool FiscalCode::isValid(const QString& code)
{
    if (code.size() != length)
        return false;
    const std::optional<QChar> expected = checkCharacter(code);
    return expected && *expected == code.at(length - 1);
}
