#pragma once

#include "reports/ListLines.h"

#include <QDate>

// The agenda's line of an imminent appointment. It opens with "ID: " and the
// appointment's sort key, so that the sorted list comes in date and time order;
// then the date, time, client, mobile number and treatments in fixed columns
// and the amount.
namespace AgendaLine {
// Appends the line of the stored appointment record (TSchedaAppuntamento::Size
// bytes), built from its stored bytes without decoding the record.
void append(ListLines& lines, qint64 position, const char* record);

// The agenda's list: the line of every appointment imminent on today, with its
// record's position, in file order (the agenda's sorted list box sorts them).
// A failure while reading ends the list there; the lines read before it stay.
ListLines imminentLines(const QDate& today);
} // namespace AgendaLine
