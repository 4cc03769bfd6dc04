// Any text typed into the four identifier checks: each gives an answer in its
// range, and the parts of an answer agree with each other.
#include "checks/CreditCard.h"
#include "checks/FiscalCode.h"
#include "checks/Iban.h"
#include "checks/VatNumber.h"

#include <cstdint>
#include <cstdlib>

namespace {
void check(const QString& text)
{
    const std::optional<QChar> character = FiscalCode::checkCharacter(text);
    if (character && (*character < QLatin1Char('A') || *character > QLatin1Char('Z')))
        std::abort();
    if (FiscalCode::isValid(text) && (text.size() != FiscalCode::length || text.at(15) != *character))
        std::abort();

    if (VatNumber::isValid(text) && text.size() != VatNumber::length)
        std::abort();
    VatNumber::officeName(VatNumber::officeCode(text));

    const int value = CreditCard::checkValue(text);
    const CreditCard::Verdict verdict = CreditCard::check(text);
    if (verdict.outcome != CreditCard::Outcome::Wrong && (value < 1 || value > 4))
        std::abort();

    const int remainder = Iban::mod97(text);
    if (remainder < 0 || remainder > 96)
        std::abort();
    if (Iban::isValid(text) && Iban::mod97(QString(text).remove(QLatin1Char(' '))) != 1)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto bytes = reinterpret_cast<const char*>(data);
    check(QString::fromLatin1(bytes, qsizetype(size)));
    check(QString::fromUtf8(bytes, qsizetype(size)));
    return 0;
}
