#pragma once

#include "reports/ListLines.h"
#include "storage/TSchedaCliente.h"

// The line of a client in the client search and in the recontact list: name,
// preferred telephone, occupation and products in fixed-width columns, then
// one last field as stored (the notes in the search, the pending issues in the
// recontact list).
//     Rossi Anna                  Tel. 06 1234567       Parrucchiera ...  Prod. Manicure ...  <last>
namespace ClientListLine {
// Appends the line of the stored client record, built from its stored bytes.
void append(ListLines& lines, qint64 position, const char* record, TSchedaCliente::Field last);
} // namespace ClientListLine
