#include "agenda/AgendaSelection.h"

#include "app/Text.h"
#include "storage/CountedText.h"
#include "storage/TSchedaAppuntamento.h"

#include <cstring>
#include <optional>

namespace {
using Field = TSchedaAppuntamento::Field;

// A stored field's bytes, trimmed as its text would be.
QByteArrayView trimmedField(const char* record, Field field)
{
    return CountedText::trimmed(TSchedaAppuntamento::raw(record, field));
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

const RecordFile::Sieve AgendaSelection::unfulfilled{
    [](const char* record) { return CountedText::same(trimmedField(record, Field::Ottemperata), "No"); },
    {TSchedaAppuntamento::spec(Field::Ottemperata), TSchedaAppuntamento::spec(Field::Data),
     TSchedaAppuntamento::spec(Field::Avviso), TSchedaAppuntamento::spec(Field::OreApp),
     TSchedaAppuntamento::spec(Field::MinutiApp), TSchedaAppuntamento::spec(Field::Ora),
     TSchedaAppuntamento::spec(Field::Contatto), TSchedaAppuntamento::spec(Field::Cel),
     TSchedaAppuntamento::spec(Field::Causale), TSchedaAppuntamento::spec(Field::Importo)}};

AgendaSelection::Rule AgendaSelection::imminent(const QDate& today)
{
    const qint64 todayNumber = today.toJulianDay();
    return [todayNumber](const char* record) {
        if (!unfulfilled.passes(record))
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
        return CountedText::same(trimmedField(record, Field::Data), selected);
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

AgendaSelection::StoredKey AgendaSelection::sortKey(const char* record)
{
    const QByteArrayView date = trimmedField(record, Field::Data);
    StoredKey key;
    for (const QByteArrayView piece : {part(date, 6, 4), part(date, 3, 2), part(date, 0, 2),
                                       trimmedField(record, Field::OreApp), trimmedField(record, Field::MinutiApp)}) {
        // At most 4 + 2 + 2 + 2 + 2 bytes; an empty piece may have no data at all.
        if (piece.isEmpty())
            continue;
        std::memcpy(key.bytes + key.size, piece.data(), size_t(piece.size()));
        key.size += piece.size();
    }
    const QByteArrayView trimmed = CountedText::trimmed(key.view());
    std::memmove(key.bytes, trimmed.data(), size_t(trimmed.size()));
    key.size = trimmed.size();
    return key;
}
