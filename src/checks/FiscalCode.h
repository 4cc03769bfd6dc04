#pragma once

#include <QString>
#include <optional>

// The check character of an Italian personal fiscal code (codice fiscale).
namespace FiscalCode {
constexpr int length = 16;

// The check character due to the first 15 characters of code (already
// upper-cased); none when code is shorter or one of them lies outside "0"-"Z".
std::optional<QChar> checkCharacter(const QString& code);

// True when code has 16 characters and the last is its check character.
bool isValid(const QString& code);
} // namespace FiscalCode
