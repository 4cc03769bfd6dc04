#pragma once

#include "reports/ListLines.h"

#include <QDate>
#include <QString>

// The three status lists of the appointment archive and which appointments
// each one takes. The flag is compared trimmed, exactly; a record whose flag is
// neither "Sì" nor "No" is in none of them.
namespace StatusList {
enum class Kind {
    Fulfilled, // flag "Sì", whatever the date
    ToFulfil,  // flag "No", past and future alike
    Expired,   // flag "No" and a date strictly before today
};

// record points at a stored appointment. An expired list leaves out a record
// whose date is not a "dd/mm/yyyy" date.
bool takes(Kind kind, const char* record, const QDate& today);

// Reads the appointment archive once and lists what the kind takes.
LoadedLines load(Kind kind, const QDate& today);
} // namespace StatusList
