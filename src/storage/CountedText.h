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
// The meaningful bytes of the field, untrimmed and undecoded.
QByteArrayView bytes(const char* field, int capacity);
// Stored bytes without those of code 32 or less at both ends. Windows-1252
// decodes exactly those bytes to the characters of code 32 or less, so these
// are the bytes of the trimmed text, and tests on them need no decoding.
QByteArrayView trimmed(QByteArrayView stored);
} // namespace CountedText
