#pragma once

#include "reports/ListLines.h"

#include <QDate>

// The agenda's list loading (TfrmAgenda::btnCaricaListaClick) without the
// screen: the archive read in file order, the imminent rule and the agenda's
// line of each imminent appointment, in file order; the agenda's sorted list
// box then sorts them (ListLines::sortFolded).
namespace AgendaCore {
ListLines imminentLines(const QDate& today);
} // namespace AgendaCore
