#pragma once

#include <QString>
#include <optional>

// The cipher of the stored password: a byte-wise stream cipher with a 16-bit
// running key, written as upper-case hexadecimal, two digits per character.
namespace Crypt {
QString Encrypt(const QString& text);
// The inverse of Encrypt; a last odd digit is ignored. Empty when the text
// holds a character that is not a hexadecimal digit, or holds more than the
// 255 characters Encrypt can write (a damaged file).
std::optional<QString> Decrypt(const QString& hex);
} // namespace Crypt
