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
        return flag == QByteArrayView("S\xEC");
    case Kind::ToFulfil:
        return flag == QByteArrayView("No");
    case Kind::Expired: {
        if (flag != QByteArrayView("No"))
            return false;
        // A date that does not parse is no reason to hide the records after it.
        const QDate date = Text::parseDate(TSchedaAppuntamento::load(record, Field::Data));
        return date.isValid() && date < today;
    }
    }
    return false;
}

StatusList::Loaded StatusList::load(Kind kind, const QDate& today)
{
    Loaded loaded;
    const RecordFile::Status status = RecordFile::forEach(
        TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size, [&](qint64 index, const char* record) {
            if (takes(kind, record, today))
                AppointmentLine::append(loaded.lines, index + 1, record);
            return true;
        });
    loaded.error = status.error;
    return loaded;
}
