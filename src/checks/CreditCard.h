#pragma once

#include <QString>

// The Luhn check digit of a credit card number and the circuit named by its first digits.
namespace CreditCard {
// 0 for a wrong number; for a number whose last digit is its Luhn check digit,
// its first digit minus 2 (1 for 3, 2 for 4, 3 for 5, 4 for 6, 0 for 2, and so on).
// Only the digits among the first 20 characters of text count.
int checkValue(const QString& text);

enum class Outcome {
    Wrong,   // the check digit fails, or the first digit belongs to no circuit
    Circuit, // right, and of the circuit named
    Unnamed, // right, starting with a 3 that no circuit claims (32, 39, ...)
};

struct Verdict
{
    Outcome outcome;
    QString circuit;
};

// The verdict on a number as typed; the first two characters of the trimmed
// text tell the circuits that start with 3 apart.
Verdict check(const QString& text);
} // namespace CreditCard
