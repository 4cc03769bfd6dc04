#include "appointments/StatusList.h"

#include "app/Text.h"
#include "appointments/AppointmentLine.h"
#include "storage/CountedText.h"
#include "storage/RecordFile.h"
#include "storage/TSchedaAppuntamento.h"

bool StatusList::takes(Kind kind, const char* record, const QDate& today)
{
    using Field = TSchedaAppuntamento::Field;
    // The flag's stored bytes: "S\xEC" is "S\u00EC" in the archives' code page.
    const QByteArrayView flag = CountedText::trimmed(TSchedaAppuntamento::raw(record, Field::Ottemperata));
    switch (kind) {
    case Kind::Fulfilled:
        return CountedText::same(flag, "S\xEC");
    case Kind::ToFulfil:
        return CountedText::same(flag, "No");
    case Kind::Expired: {
        if (!CountedText::same(flag, "No"))
            return false;
        // A date that does not parse is no reason to hide the records after it.
        const QDate date = Text::parseDate(TSchedaAppuntamento::load(record, Field::Data));
        return date.isValid() && date < today;
    }
    }
    return false;
}

LoadedLines StatusList::load(Kind kind, const QDate& today)
{
    LoadedLines loaded;
    const RecordFile::Status status = RecordFile::forEach(
        TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size,
        [kind, today](const char* record) { return takes(kind, record, today); },
        [&](qint64 index, const char* record) {
            AppointmentLine::append(loaded.lines, index + 1, record);
            return true;
        });
    loaded.error = status.error;
    return loaded;
}
