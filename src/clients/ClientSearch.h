#pragma once

#include "reports/ListLines.h"
#include "reports/SearchCriteria.h"
#include "storage/TSchedaCliente.h"

#include <QString>
#include <iterator>

// The client search: ten criterion boxes, each searching one field.
namespace ClientSearch {
using Field = TSchedaCliente::Field;
// The field each box searches, in the boxes' order (txtCliente, txtComuneRes,
// txtPartitaIva, txtCodFisc, txtDocumento, txtOccupazione, txtProdotti,
// txtZona, txtQuestioni, txtNote).
constexpr Field Fields[] = {Field::Cliente,     Field::ComuneRes, Field::PartitaIva, Field::CodFisc,   Field::Documento,
                            Field::Occupazione, Field::Prodotti,  Field::Zona,       Field::Questioni, Field::Note};
constexpr int BoxCount = int(std::size(Fields));

// A found client's line ends with its notes.
void appendLine(ListLines& lines, qint64 position, const char* record);

// Reads the client archive once and lists every client the criteria (one text
// per box, in the order of Fields) match.
LoadedLines run(const SearchCriteria& criteria);
} // namespace ClientSearch
