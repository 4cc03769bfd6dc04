#pragma once

#include <QtGlobal>

// The client behind a chosen line of the client search or of the recontact
// list, read again from the archive by its 1-based position. Both return false,
// and leave the card as it was, when there is no position (no line chosen) or
// the record cannot be read.
namespace ChosenClient {
// The whole record and its position into the client card frmClienti.
bool showOnCard(qint64 position);
// Name, preferred telephone, mobile telephone, e-mail and payment method into
// the appointment being edited on frmArchivio_Scadenze; nothing else of it
// changes, its position included.
bool copyContactsToAppointment(qint64 position);
} // namespace ChosenClient
