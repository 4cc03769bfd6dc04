#pragma once

#include "reportengine/ReportTemplate.h"

// The appointment card sheet repDocumento ("Scheda Appuntamento"): one portrait
// A4 page with a title bar, thirteen framed rows (caption and value) and a
// footer bar. The printing windows keep a Report made from it, set the value
// memos (txtData, txtOra, txtTipologia, txtCausale, txtDettagli, txtContatto,
// txtTel, txtCel, txtEmail, txtLuogo, txtImporto, txtNote, txtOttemperata) and
// txtCalce from the card, then prepare and print or preview it.
namespace AppointmentSheet {
ReportTemplate makeTemplate();
} // namespace AppointmentSheet
