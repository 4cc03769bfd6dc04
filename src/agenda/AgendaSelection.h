#pragma once

#include "storage/RecordFile.h"

#include <QByteArrayView>
#include <QDate>
#include <QString>

// Which appointments the agenda and its grids show, and the key that puts
// them in date and time order. A rule reads a stored record's bytes and
// decodes only what it needs, the cheapest test first, so that a scan of a
// large archive stays fast.
namespace AgendaSelection {
// Tells whether the stored appointment record (TSchedaAppuntamento::Size bytes) is selected.
using Rule = RecordFile::Selector;

// Imminent on today: the flag, trimmed, is exactly "No", and the date minus
// the notice days is today or earlier (no lower bound). A date that is not
// "dd/mm/yyyy" or notice days that are not a whole number make the record not
// imminent; the records after it are judged as usual.
Rule imminent(const QDate& today);
// Passes the records whose flag, trimmed, is exactly "No": the only ones
// imminent ever takes, and few of an archive that has been in use for years.
// Its fields are those imminent and the agenda's lines read.
extern const RecordFile::Sieve unfulfilled;
// The stored date, trimmed, is day as "dd/mm/yyyy" text; any flag.
Rule onDay(const QDate& day);
// The stored date's month (characters 4-5) and year (7-10), compared as
// text, are those of day; any day of the month, any flag.
Rule inMonth(const QDate& day);

// The sort key of a stored record: year, month and day taken from the date's
// characters, then hours and minutes, run together and trimmed (12 digits for
// well-formed data), as its Windows-1252 bytes, made without decoding the record.
struct StoredKey
{
    char bytes[12];
    qsizetype size = 0;
    QByteArrayView view() const { return QByteArrayView(bytes, size); }
};
StoredKey sortKey(const char* record);
} // namespace AgendaSelection
