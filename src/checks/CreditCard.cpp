#include "checks/CreditCard.h"

#include "app/Text.h"

#include <algorithm>
#include <initializer_list>

namespace {
// Characters beyond the 20th are never looked at.
constexpr int scannedCharacters = 20;

QString digitsOf(const QString& text)
{
    QString digits;
    for (const QChar c : QStringView(text).left(scannedCharacters))
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits.append(c);
    return digits;
}

int luhnCheckDigit(QStringView payload)
{
    int sum = 0;
    bool doubled = true;
    for (qsizetype i = payload.size() - 1; i >= 0; --i) {
        int digit = payload.at(i).unicode() - '0';
        if (doubled) {
            digit *= 2;
            if (digit >= 10)
                digit -= 9;
        }
        sum += digit;
        doubled = !doubled;
    }
    return (10 - sum % 10) % 10;
}

QString circuitOfThree(QStringView firstTwo)
{
    const auto isOneOf = [firstTwo](std::initializer_list<QStringView> prefixes) {
        return std::find(prefixes.begin(), prefixes.end(), firstTwo) != prefixes.end();
    };
    if (isOneOf({u"30", u"36", u"38"}))
        return QStringLiteral("Diner's Club / Carte Blanche");
    if (isOneOf({u"34", u"37"}))
        return QStringLiteral("American Express");
    if (isOneOf({u"31", u"33", u"35"}))
        return QStringLiteral("JCB");
    return QString();
}
} // namespace

int CreditCard::checkValue(const QString& text)
{
    const QString digits = digitsOf(text);
    if (digits.isEmpty())
        return 0;
    const int last = digits.back().unicode() - '0';
    if (last != luhnCheckDigit(QStringView(digits).chopped(1)))
        return 0;
    return digits.front().unicode() - '0' - 2;
}

CreditCard::Verdict CreditCard::check(const QString& text)
{
    switch (checkValue(text)) {
    case 1: {
        const QString circuit = circuitOfThree(QStringView(Text::trim(text)).left(2));
        return {circuit.isEmpty() ? Outcome::Unnamed : Outcome::Circuit, circuit};
    }
    case 2:
        return {Outcome::Circuit, QStringLiteral("Visa")};
    case 3:
        return {Outcome::Circuit, QStringLiteral("MasterCard")};
    case 4:
        return {Outcome::Circuit, QStringLiteral("Discover")};
    default:
        return {Outcome::Wrong, QString()};
    }
}
