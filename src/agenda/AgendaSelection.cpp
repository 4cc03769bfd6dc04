#include "agenda/AgendaSelection.h"

#include "app/Text.h"
#include "storage/TSchedaAppuntamento.h"

#include <optional>

namespace {
using Field = TSchedaAppuntamento::Field;

// A stored field's bytes without the characters of code 32 or less at both
// ends. Windows-1252 maps exactly those bytes to those characters, so this is
// the trim of the decoded text.
QByteArrayView trimmedField(const char* record, Field field)
{
    QByteArrayView bytes = TSchedaAppuntamento::raw(record, field);
    while (!bytes.isEmpty() && static_cast<unsigned char>(bytes.front()) <= 32)
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && static_cast<unsigned char>(bytes.back()) <= 32)
        bytes.chop(1);
    return bytes;
}

// Characters from..from+count-1 (0-based), fewer or none past the end.
QByteArrayView part(QByteArrayView text, qsizetype from, qsizetype count)
{
    if (from >= text.size())
        return {};
    return text.sliced(from, qMin(count, text.size() - from));
}

// A whole decimal number with an optional sign.
std::optional<int> wholeNumber(QByteArrayView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (!text.isEmpty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        i = 1;
    }
    if (i == text.size() || text.size() - i > 9)
        return std::nullopt;
    int value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}
} // namespace

AgendaSelection::Rule AgendaSelection::imminent(const QDate& today)
{
    const qint64 todayNumber = today.toJulianDay();
    return [todayNumber](const char* record) {
        if (trimmedField(record, Field::Ottemperata) != QByteArrayView("No"))
            return false;
        // Only digits and "/" make a date, so reading the bytes as Latin-1 is exact here.
        const QDate date = Text::parseDate(QString::fromLatin1(trimmedField(record, Field::Data)));
        if (!date.isValid())
            return false;
        const std::optional<int> notice = wholeNumber(trimmedField(record, Field::Avviso));
        return notice && date.toJulianDay() - *notice <= todayNumber;
    };
}

AgendaSelection::Rule AgendaSelection::onDay(const QDate& day)
{
    return [selected = Text::formatDate(day).toLatin1()](const char* record) {
        return trimmedField(record, Field::Data) == QByteArrayView(selected);
    };
}

AgendaSelection::Rule AgendaSelection::inMonth(const QDate& day)
{
    return [selected = Text::formatDate(day).toLatin1()](const char* record) {
        // The selected date is ASCII, so comparing the stored bytes is comparing the texts.
        const QByteArrayView date = trimmedField(record, Field::Data);
        return part(date, 3, 2) == part(selected, 3, 2) && part(date, 6, 4) == part(selected, 6, 4);
    };
}

QString AgendaSelection::sortKey(const TSchedaAppuntamento& appointment)
{
    const QString date = Text::trim(appointment.Data);
    return Text::trim(date.mid(6, 4) + date.mid(3, 2) + date.mid(0, 2) + Text::trim(appointment.OreApp) +
                      Text::trim(appointment.MinutiApp));
}
