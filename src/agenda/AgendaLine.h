#pragma once

#include <QString>

// The agenda's line of an imminent appointment. It opens with "ID: " and the
// appointment's sort key, so that the sorted list comes in date and time order;
// then the date, time, client, mobile number and treatments in fixed columns
// and the amount.
namespace AgendaLine {
// The line of the stored appointment record (TSchedaAppuntamento::Size bytes).
// Only the fields the line shows are decoded.
QString fromRecord(const char* record);
} // namespace AgendaLine
