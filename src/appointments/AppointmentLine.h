#pragma once

#include "reports/ListLines.h"

// The line of an appointment in the status lists and in the appointment
// search's results: date, time, requested treatments, client, mobile number
// and amount in fixed-width columns, the amount last and unpadded.
namespace AppointmentLine {
// Appends the line of the stored appointment (TSchedaAppuntamento::Size bytes
// at record), built from its stored bytes.
void append(ListLines& lines, qint64 position, const char* record);
} // namespace AppointmentLine
