#pragma once

#include <QByteArrayView>
#include <QString>

// A text field of capacity N (1 to 255) stored as one length byte followed by
// N bytes of Windows-1252 text.
namespace CountedText {
// Writes text, trimmed, converted and cut to capacity, into the capacity + 1
// bytes at field. The bytes after the text are zeroed.
void store(char* field, int capacity, const QString& text);
// The text of the field, trimmed. A length byte above the capacity (a damaged
// or foreign file) reads as the capacity.
QString load(const char* field, int capacity);
// The scans of large archives call the three below for nearly every record,
// so they are written out here.

// The meaningful bytes of the field, untrimmed and undecoded.
inline QByteArrayView bytes(const char* field, int capacity)
{
    const int length = qMin(int(static_cast<unsigned char>(field[0])), capacity);
    return QByteArrayView(field + 1, length);
}
// Stored bytes without those of code 32 or less at both ends. Windows-1252
// decodes exactly those bytes to the characters of code 32 or less, so these
// are the bytes of the trimmed text, and tests on them need no decoding.
inline QByteArrayView trimmed(QByteArrayView stored)
{
    while (!stored.isEmpty() && static_cast<unsigned char>(stored.front()) <= 32)
        stored = stored.sliced(1);
    while (!stored.isEmpty() && static_cast<unsigned char>(stored.back()) <= 32)
        stored.chop(1);
    return stored;
}
// Whether two short stored texts (a flag, a date) have the same bytes.
inline bool same(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            return false;
    return true;
}
} // namespace CountedText
