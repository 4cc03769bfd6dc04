#pragma once

#include <QString>

// The line of an appointment in the status lists and in the appointment
// search's results: date, time, requested treatments, client, mobile number
// and amount in fixed-width columns, the amount last and unpadded.
namespace AppointmentLine {
// record points at a stored appointment (TSchedaAppuntamento::Size bytes).
QString of(const char* record);
} // namespace AppointmentLine
