#include "appointments/Amount.h"

#include "app/Text.h"

#include <cmath>

namespace {
bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Half a cent rounds away from zero, judged on the exact binary value of the
// amount: 0,125 gives 0,13 and 2,345 (held just above the half) gives 2,35,
// while 1,005 and 2,675 (held just below it) give 1,00 and 2,67. The product
// by 100 is therefore taken exactly, as a rounded part and its error.
double roundToCents(double value)
{
    const double magnitude = std::fabs(value);
    const double product = magnitude * 100.0;
    const double error = std::fma(magnitude, 100.0, -product);
    const double whole = std::floor(product);
    // product - whole and the half are multiples of product's last place, so
    // this difference is exact and the comparison decides on the exact value.
    const double aboveHalf = (product - whole) - 0.5;
    const double cents = aboveHalf >= -error ? whole + 1.0 : whole;
    // Adding zero turns a negative zero into a plain zero.
    return std::copysign(cents / 100.0, value) + 0.0;
}
} // namespace

std::optional<double> Amount::parse(const QString& text)
{
    const QString trimmed = Text::trim(text);
    qsizetype i = 0;
    QString number;
    if (i < trimmed.size() && (trimmed.at(i) == QLatin1Char('-') || trimmed.at(i) == QLatin1Char('+')))
        number.append(trimmed.at(i++));
    bool digits = false;
    while (i < trimmed.size() && isDigit(trimmed.at(i))) {
        number.append(trimmed.at(i++));
        digits = true;
    }
    if (i < trimmed.size() && trimmed.at(i) == QLatin1Char(',')) {
        number.append(QLatin1Char('.'));
        ++i;
        while (i < trimmed.size() && isDigit(trimmed.at(i))) {
            number.append(trimmed.at(i++));
            digits = true;
        }
    }
    if (!digits || i != trimmed.size())
        return std::nullopt;
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString Amount::generalForm(double value)
{
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

QString Amount::normalise(const QString& text)
{
    const std::optional<double> value = parse(text);
    if (!value)
        return QStringLiteral("0,00");
    QString result = generalForm(roundToCents(*value));
    if (!result.contains(QLatin1Char(',')))
        result.append(QLatin1String(",00"));
    else if (result.size() >= 2 && result.at(result.size() - 2) == QLatin1Char(','))
        result.append(QLatin1Char('0'));
    return result;
}
