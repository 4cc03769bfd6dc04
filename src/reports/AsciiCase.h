#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Case rules of the lists and searches: only the letters A-Z and a-z change
// case; accented letters and every other character stay as they are. The
// searches match a criterion with contains(field, lowered(criterion)).
namespace AsciiCase {
inline char16_t lower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
}
inline char16_t upper(char16_t c)
{
    return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
}

// The text with A-Z lowered to a-z (find-in-list, search criteria).
QString lowered(QStringView text);
// True when needle, already lowered, occurs in text lowered the same way;
// an empty needle occurs nowhere.
bool contains(QStringView text, QStringView loweredNeedle);
// The same for texts of one byte per character (Windows-1252 as stored, the
// needle encoded the same way), where A-Z are the same bytes: a search can
// match stored fields without decoding them.
bool contains(QByteArrayView text, QByteArrayView loweredNeedle);
// Orders texts held as Windows-1252 bytes with a-z compared as A-Z and every
// other character by its code.
int compareFolded(QByteArrayView a, QByteArrayView b);
} // namespace AsciiCase
