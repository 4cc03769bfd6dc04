#pragma once

#include "storage/TSchedaCliente.h"

#include <QString>
#include <QStringList>

// How the client card treats what the user types into each of its 29 edit
// fields. The rules change the text on the card only; what is stored is
// trimmed and cut to capacity by the record itself.
namespace ClientFieldRules {
enum class Transform { None, Trim, Upper, TrimUpper };

struct Rule
{
    // Applied to the whole text at every change the user types.
    Transform whileTyping = Transform::None;
    // Applied at every key release (the postcode: upper case, foreign ones included).
    Transform onKeyUp = Transform::None;
    // Applied when the field loses the focus, covering values picked from a list or pasted.
    Transform onExit = Transform::None;
    // Only digits, Backspace, Delete and the left and right arrows reach the field.
    bool digitsOnly = false;
};

// The rule of an edit field (fields 1 to 29 of the record).
Rule rule(TSchedaCliente::Field field);
QString apply(Transform transform, const QString& text);

// The 112 two-letter codes the province fields offer, in list order. The list
// only helps input: any two characters may be typed.
const QStringList& provinceCodes();

// A fiscal code made of digits only belongs to a company and is its VAT number.
bool isCompanyFiscalCode(const QString& code);
} // namespace ClientFieldRules
