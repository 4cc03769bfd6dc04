#pragma once

#include <QDate>
#include <QDateTime>

// The one source of "today" and "now". The agenda, the expired list, the date
// buttons and the report footers all read it, so tests can fix the day.
namespace Clock {
QDate today();
QDateTime now();

// Test seam: every later call returns this moment until resetForTests().
void setForTests(const QDateTime& fixed);
void resetForTests();
} // namespace Clock
