#pragma once

#include <QtGlobal>

// The appointment behind a chosen line of a status list or of the search's
// results, brought back into the appointment card.
namespace ChosenAppointment {
// Reads the appointment stored at the 1-based position and shows it on the
// appointment card frmArchivio_Scadenze with that position. False, and the card
// left as it was, when there is no position (no line chosen) or the record
// cannot be read.
bool showOnCard(qint64 position);
} // namespace ChosenAppointment
