#pragma once

#include <QString>
#include <optional>

// Amounts as the cards show and store them: a decimal comma, two decimals,
// no thousands separator ("25,00", "1250,50").
namespace Amount {
// Reads text (surrounding blanks allowed) as a decimal number with "," as the
// decimal separator; nothing when it is not such a number.
std::optional<double> parse(const QString& text);
// The shortest general form of value, up to 15 significant digits, with a
// decimal comma and no trailing zeros: "12", "12,5", "0,05".
QString generalForm(double value);
// The rule applied to an amount field when it is left: "0,00" for an empty or
// unreadable text, otherwise the value rounded to cents with exactly two
// decimals ("12,5" gives "12,50", "007" gives "7,00", "12,345" gives "12,35").
QString normalise(const QString& text);
} // namespace Amount
