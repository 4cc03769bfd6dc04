#pragma once

#include "reports/ListLines.h"

#include <QDate>

// The agenda's list: a line per imminent appointment, each with its record's
// position, in file order; the agenda's sorted list box puts them in date and
// time order, since every line opens with "ID: " and the appointment's sort key.
// The rest of the line is the date, time, client, mobile number and treatments
// in fixed columns, then the amount.
namespace AgendaList {
// The imminent appointments of the archive on today. A failure while reading
// ends the list there, with the lines read before it.
ListLines imminentLines(const QDate& today);
// The columns of the lines: the sort key, date, time, client, mobile number,
// treatments and amount.
const ListLine::Layout& columns();
// Appends the line of one stored appointment (TSchedaAppuntamento::Size bytes),
// made from its stored fields without decoding the record. It reads only the
// fields the agenda's sieve hands over (AgendaSelection::unfulfilled).
void appendLine(ListLines& lines, qint64 position, const char* record);
} // namespace AgendaList
