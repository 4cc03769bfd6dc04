#include "clients/ClientFieldRules.h"

#include "app/Text.h"

using Field = TSchedaCliente::Field;

namespace {
const char* const kProvinces =
    "AG AL AN AO AP AQ AR AT AV BA BG BI BL BN BO BR BS BT BZ CA CB CE CH CI CL CN CO CR CS CT CZ EE EN FC FE FG "
    "FI FM FO FR GE GO GR IM IS KR LC LE LI LO LT LU MB MC MD ME MI MN MO MS MT NA NO NU OG OR OT PA PC PD PE PG "
    "PI PN PO PR PT PU PV PZ RA RC RE RG RI RM RN RO SA SI SO SP SR SS SV TA TE TN TO TP TR TS TV UD VA VB VC VE "
    "VI VR VT VV";
} // namespace

ClientFieldRules::Rule ClientFieldRules::rule(Field field)
{
    switch (field) {
    case Field::ProvNasc:
    case Field::ProvRes:
        return {Transform::TrimUpper, Transform::None, Transform::TrimUpper, false};
    case Field::Sesso:
        return {Transform::Upper, Transform::None, Transform::None, false};
    case Field::CapRes:
        return {Transform::None, Transform::Upper, Transform::None, false};
    case Field::Fax:
        return {Transform::Trim, Transform::None, Transform::None, false};
    case Field::Email:
        return {Transform::Trim, Transform::None, Transform::Trim, false};
    case Field::CodFisc:
    case Field::Iban:
        return {Transform::TrimUpper, Transform::None, Transform::None, false};
    case Field::TelCel:
    case Field::Carta:
    case Field::PartitaIva:
        return {Transform::None, Transform::None, Transform::None, true};
    default:
        return {};
    }
}

QString ClientFieldRules::apply(Transform transform, const QString& text)
{
    switch (transform) {
    case Transform::None:
        return text;
    case Transform::Trim:
        return Text::trim(text);
    case Transform::Upper:
        return Text::upperCase(text);
    case Transform::TrimUpper:
        return Text::upperCase(Text::trim(text));
    }
    return text;
}

const QStringList& ClientFieldRules::provinceCodes()
{
    static const QStringList codes = QString::fromLatin1(kProvinces).split(QLatin1Char(' '));
    return codes;
}

bool ClientFieldRules::isCompanyFiscalCode(const QString& code)
{
    if (code.isEmpty())
        return false;
    for (const QChar c : code)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}
