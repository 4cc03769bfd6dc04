#pragma once

#include <QString>

// The check digits of an IBAN (ISO 13616, ISO 7064 MOD 97-10).
namespace Iban {
// The length of an Italian IBAN.
constexpr int italianLength = 27;

// The remainder modulo 97 of text: upper-cased, without its first "IBAN",
// its first four characters moved to the end and its letters turned into
// numbers (A = 10 ... Z = 35). 0 when a character other than a digit is left.
int mod97(const QString& text);

// True when text, without its spaces, leaves the remainder 1.
bool isValid(const QString& text);
} // namespace Iban
