#pragma once

#include "reports/ListLines.h"

#include <QDate>

// The agenda's list loading as the screen does it, without the screen: the
// archive read in file order, the imminent rule and a line per imminent
// appointment with its record's position, in file order; the sorted list box
// sorts them (ListLines::sortFolded).
namespace AgendaCore {
ListLines imminentLines(const QDate& today);
// Appends the line of one stored appointment.
void appendLine(ListLines& lines, qint64 position, const char* record);
} // namespace AgendaCore
