#include "reports/AsciiCase.h"

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

int AsciiCase::compareFolded(QStringView a, QStringView b)
{
    const qsizetype common = qMin(a.size(), b.size());
    const char16_t* pa = a.utf16();
    const char16_t* pb = b.utf16();
    for (qsizetype i = 0; i < common; ++i) {
        if (pa[i] == pb[i])
            continue;
        const char16_t ua = upper(pa[i]);
        const char16_t ub = upper(pb[i]);
        if (ua != ub)
            return ua < ub ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}
