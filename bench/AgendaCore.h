#pragma once

#include "reports/ListLines.h"

#include <QDate>

struct TSchedaAppuntamento;

// The agenda's list loading as the screen does it, without the screen: the
// archive read in file order, the imminent rule and a line per imminent
// appointment with its record's position, in file order; the sorted list box
// sorts them (ListLines::sortFolded).
namespace AgendaCore {
ListLines imminentLines(const QDate& today);
// The line of one stored appointment, and of an appointment's fields.
QString line(const char* record);
QString line(const TSchedaAppuntamento& appointment);
} // namespace AgendaCore
