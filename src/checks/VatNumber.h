#pragma once

#include <QString>

// The check digit of an Italian VAT number (partita IVA) and the provincial
// VAT office that issued it.
namespace VatNumber {
constexpr int length = 11;

// True when number is 11 digits and the last one is the check digit of the ten before it.
bool isValid(const QString& number);

// The office code: characters 8 to 10 of number.
QString officeCode(const QString& number);

// The name of the office with this three-character code; empty when the code
// is not one of the 104 known.
QString officeName(const QString& code);
} // namespace VatNumber
