#pragma once

#include "reports/ListLines.h"
#include "reports/SearchCriteria.h"
#include "storage/TSchedaAppuntamento.h"

#include <QString>

// The appointment search: ten criterion boxes, each searching one field.
namespace AppointmentSearch {
using Field = TSchedaAppuntamento::Field;
// The field each box searches, in the boxes' order (txtData, txtOra,
// txtTipologia, txtCausale, txtDettagli, txtContatto, txtTel, txtCel,
// txtLuogo, txtNote).
constexpr Field Fields[] = {Field::Data,     Field::Ora, Field::Tipologia, Field::Causale, Field::Dettagli,
                            Field::Contatto, Field::Tel, Field::Cel,       Field::Luogo,   Field::Note};

// Reads the appointment archive once and lists every appointment the criteria
// (one text per box, in the order of Fields) match.
LoadedLines run(const SearchCriteria& criteria);
} // namespace AppointmentSearch
