#include "checks/Iban.h"

#include "app/Text.h"

namespace {
QString lettersToNumbers(const QString& text)
{
    QString digits;
    digits.reserve(text.size() * 2);
    for (const QChar c : text) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            digits.append(QString::number(c.unicode() - 'A' + 10));
        else
            digits.append(c);
    }
    return digits;
}

// A whole number of at most nine digits, so that it fits 32 bits; -1 when
// text holds anything else.
int nineDigitValue(QStringView text)
{
    if (text.isEmpty() || text.size() > 9)
        return -1;
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}
} // namespace

int Iban::mod97(const QString& text)
{
    QString rearranged = Text::upperCase(text);
    const qsizetype iban = rearranged.indexOf(QLatin1String("IBAN"));
    if (iban >= 0)
        rearranged.remove(iban, 4);
    rearranged = rearranged.mid(4) + rearranged.left(4);
    const QString digits = lettersToNumbers(rearranged);

    // Nine digits at a time: the remainder so far is carried in front of the
    // next piece, which is shortened to keep the whole within nine digits.
    int remainder = 0;
    QString carry;
    qsizetype start = 0;
    qsizetype piece = 9;
    while (start < digits.size()) {
        const QString number = carry + digits.mid(start, piece);
        const int value = nineDigitValue(number);
        if (value < 0)
            return 0;
        remainder = value % 97;
        start += piece;
        carry = QString::number(remainder);
        piece = 9 - carry.size();
    }
    return remainder;
}

bool Iban::isValid(const QString& text)
{
    return mod97(QString(text).remove(QLatin1Char(' '))) == 1;
}
