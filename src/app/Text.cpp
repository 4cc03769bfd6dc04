#include "app/Text.h"

#include <QTime>

QString Text::trim(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first).unicode() <= 32)
        ++first;
    while (last > first && text.at(last - 1).unicode() <= 32)
        --last;
    if (first == 0 && last == text.size())
        return text;
    return text.mid(first, last - first);
}

QString Text::upperCase(const QString& text)
{
    QString upper = text;
    for (QChar& c : upper)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return upper;
}

namespace {
QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

int digitsValue(const QString& text, int from, int count)
{
    int value = 0;
    for (int i = from; i < from + count; ++i) {
        const ushort c = text.at(i).unicode();
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}
} // namespace

QString Text::formatDate(const QDate& date)
{
    return twoDigits(date.day()) + QLatin1Char('/') + twoDigits(date.month()) + QLatin1Char('/') +
           QString::number(date.year()).rightJustified(4, QLatin1Char('0'));
}

QDate Text::parseDate(const QString& text)
{
    if (text.size() != 10 || text.at(2) != QLatin1Char('/') || text.at(5) != QLatin1Char('/'))
        return {};
    const int day = digitsValue(text, 0, 2);
    const int month = digitsValue(text, 3, 2);
    const int year = digitsValue(text, 6, 4);
    if (day < 0 || month < 0 || year < 0)
        return {};
    return QDate(year, month, day);
}

QString Text::formatTime(const QTime& time)
{
    return twoDigits(time.hour()) + QLatin1Char(':') + twoDigits(time.minute());
}
