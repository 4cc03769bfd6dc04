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

struct Found
{
    // In file order, each line with its record's 1-based position.
    ListLines lines;
    // Empty when the whole archive was read.
    QString error;
};
// Reads the appointment archive once and lists every appointment the criteria
// (one text per box, in the order of Fields) match.
Found run(const SearchCriteria& criteria);
} // namespace AppointmentSearch
