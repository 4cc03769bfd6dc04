#include "appointments/StatusList.h"

#include "app/Text.h"
#include "appointments/AppointmentLine.h"
#include "storage/RecordFile.h"
#include "storage/TSchedaAppuntamento.h"

bool StatusList::takes(Kind kind, const char* record, const QDate& today)
{
    using Field = TSchedaAppuntamento::Field;
    const QString flag = TSchedaAppuntamento::load(record, Field::Ottemperata);
    switch (kind) {
    case Kind::Fulfilled:
        return flag == Text::flagYes();
    case Kind::ToFulfil:
        return flag == Text::flagNo();
    case Kind::Expired: {
        if (flag != Text::flagNo())
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
                loaded.lines.append(AppointmentLine::of(record), index + 1);
            return true;
        });
    loaded.error = status.error;
    return loaded;
}
