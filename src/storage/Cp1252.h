#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Windows-1252, the code page the archives are written in.
namespace Cp1252 {
// Best fit for characters the code page lacks (a letter without its accent),
// otherwise "?".
QByteArray encode(const QString& text);
// The bytes that decode to exactly text, or nothing when a character of text
// has no byte of its own (no best fit).
std::optional<QByteArray> encodeExactly(QStringView text);
// Every byte decodes; the five bytes the code page leaves undefined decode to
// the control characters of the same code.
QString decode(const char* data, qsizetype size);
// The same into out, which has room for size characters: one per byte.
void decode(const char* data, qsizetype size, QChar* out);

// One character: its byte, or -1 when the code page has none; the character of a byte.
int byteOf(char16_t character);
char16_t characterOf(char byte);
} // namespace Cp1252
