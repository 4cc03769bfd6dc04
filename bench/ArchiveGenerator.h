#pragma once

#include <QDate>
#include <QString>

// Realistic archives for the benchmarks, the same bytes on every machine for a
// given count. The appointments are a salon's ten years of bookings up to the
// fixed today(), appended as they were booked (so the file is only roughly in
// date order): a few booked weeks ahead, most fulfilled, about one past
// appointment in thirty never ticked off and therefore still imminent, notice
// periods of up to a week, clients with names typed in either case. The
// clients have every field a card can hold, filled as a salon fills them,
// about one in twelve marked for recontact.
namespace ArchiveGenerator {
// Bump when the records change, so that stored archives are built again.
constexpr int Version = 1;

// The day every benchmark runs on.
QDate today();

// Writes count records to the file at path, replacing it; the error text,
// empty on success.
QString writeAppointments(const QString& path, qint64 count);
QString writeClients(const QString& path, qint64 count);
} // namespace ArchiveGenerator
