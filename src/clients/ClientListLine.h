#pragma once

#include "storage/TSchedaCliente.h"

#include <QString>

// The line of a client in the client search and in the recontact list: name,
// preferred telephone, occupation and products in fixed-width columns, then
// one last field as stored (the notes in the search, the pending issues in the
// recontact list).
//     Rossi Anna                  Tel. 06 1234567       Parrucchiera ...  Prod. Manicure ...  <last>
namespace ClientListLine {
// record points at a stored client record.
QString of(const char* record, TSchedaCliente::Field last);
} // namespace ClientListLine
