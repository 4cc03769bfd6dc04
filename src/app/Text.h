#pragma once

#include <QDate>
#include <QString>

// Text rules shared by every screen; none depends on the machine's locale.
namespace Text {
// Removes every character of code 32 or less at both ends.
QString trim(const QString& text);
inline bool isBlank(const QString& text) { return trim(text).isEmpty(); }
// Turns the letters a-z into A-Z and leaves every other character, accented
// letters included, as it is.
QString upperCase(const QString& text);

// The process-wide short date format "dd/mm/yyyy".
QString formatDate(const QDate& date);
// Parses "dd/mm/yyyy" strictly (two-digit day and month, four-digit year);
// an invalid QDate when the text is not such a date.
QDate parseDate(const QString& text);
// "hh:mm".
QString formatTime(const QTime& time);

inline const QString& flagYes()
{
    static const QString yes = QStringLiteral("S\u00EC");
    return yes;
}
inline const QString& flagNo()
{
    static const QString no = QStringLiteral("No");
    return no;
}
} // namespace Text
