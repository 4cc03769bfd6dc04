#include "reports/AsciiCase.h"

#include "storage/Cp1252.h"

#include <algorithm>
#include <cstring>
#include <iterator>

QString AsciiCase::lowered(QStringView text)
{
    QString result(text.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(result.data());
    for (const QChar c : text)
        *out++ = lower(c.unicode());
    return result;
}

bool AsciiCase::contains(QStringView text, QStringView loweredNeedle)
{
    const qsizetype length = loweredNeedle.size();
    if (length == 0 || length > text.size())
        return false;
    const char16_t* hay = text.utf16();
    const char16_t* needle = loweredNeedle.utf16();
    const qsizetype lastStart = text.size() - length;
    // Candidates are found with the library's vectorised search for the first
    // unit, in both its cases; only there is the rest compared, lowered.
    const QChar first(needle[0]);
    const QChar firstUpper(upper(needle[0]));
    const bool twoCases = first != firstUpper;
    qsizetype lowerAt = text.indexOf(first);
    qsizetype upperAt = twoCases ? text.indexOf(firstUpper) : -1;
    for (;;) {
        qsizetype start = lowerAt < 0 ? upperAt : (upperAt < 0 ? lowerAt : qMin(lowerAt, upperAt));
        if (start < 0 || start > lastStart)
            return false;
        qsizetype i = 1;
        while (i < length && lower(hay[start + i]) == needle[i])
            ++i;
        if (i == length)
            return true;
        if (start == lowerAt)
            lowerAt = text.indexOf(first, start + 1);
        else
            upperAt = text.indexOf(firstUpper, start + 1);
    }
}

bool AsciiCase::contains(QByteArrayView text, QByteArrayView loweredNeedle)
{
    const qsizetype length = loweredNeedle.size();
    if (length == 0 || length > text.size())
        return false;
    const char* const hay = text.data();
    const auto* needle = reinterpret_cast<const unsigned char*>(loweredNeedle.data());
    const char* const lastStart = hay + (text.size() - length);
    const int first = needle[0];
    const int firstUpper = upper(char16_t(first));
    // memchr finds the candidates for the first byte, in both its cases.
    const auto find = [&](const char* from, int byte) {
        return from > lastStart ? nullptr
                                : static_cast<const char*>(std::memchr(from, byte, size_t(lastStart - from + 1)));
    };
    const char* lowerAt = find(hay, first);
    const char* upperAt = firstUpper != first ? find(hay, firstUpper) : nullptr;
    while (lowerAt || upperAt) {
        const char* start = !lowerAt ? upperAt : (!upperAt ? lowerAt : qMin(lowerAt, upperAt));
        qsizetype i = 1;
        while (i < length && lower(static_cast<unsigned char>(start[i])) == needle[i])
            ++i;
        if (i == length)
            return true;
        if (start == lowerAt)
            lowerAt = find(start + 1, first);
        else
            upperAt = find(start + 1, firstUpper);
    }
    return false;
}

namespace {
// Each byte's place in the folded order of the characters the code page gives
// the bytes: a and A share one. Comparing places is comparing characters.
struct FoldedPlaces
{
    unsigned char place[256];
};

const FoldedPlaces& foldedPlaces()
{
    static const FoldedPlaces places = [] {
        char16_t folded[256];
        int byOrder[256];
        for (int b = 0; b < 256; ++b) {
            folded[b] = AsciiCase::upper(Cp1252::characterOf(char(b)));
            byOrder[b] = b;
        }
        std::sort(std::begin(byOrder), std::end(byOrder), [&](int x, int y) { return folded[x] < folded[y]; });
        FoldedPlaces result{};
        int place = 0;
        for (int i = 1; i < 256; ++i) {
            if (folded[byOrder[i]] != folded[byOrder[i - 1]])
                ++place;
            result.place[byOrder[i]] = static_cast<unsigned char>(place);
        }
        return result;
    }();
    return places;
}
} // namespace

int AsciiCase::compareFolded(QByteArrayView a, QByteArrayView b)
{
    // Tied lines of a sorted list share long runs of identical bytes (the
    // same day and time, the same client): those are passed over eight at a
    // time, and only where the bytes differ are their characters compared.
    const unsigned char* const place = foldedPlaces().place;
    const qsizetype common = qMin(a.size(), b.size());
    qsizetype i = 0;
    while (i < common) {
        for (quint64 x, y; i + 8 <= common; i += 8) {
            std::memcpy(&x, a.data() + i, 8);
            std::memcpy(&y, b.data() + i, 8);
            if (x != y)
                break;
        }
        while (i < common && a[i] == b[i])
            ++i;
        if (i == common)
            break;
        const unsigned char pa = place[static_cast<unsigned char>(a[i])];
        const unsigned char pb = place[static_cast<unsigned char>(b[i])];
        if (pa != pb)
            return pa < pb ? -1 : 1;
        ++i;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}
