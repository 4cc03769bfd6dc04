#include "clients/ClientExport.h"

#include "app/Text.h"
#include "storage/TSchedaCliente.h"

namespace {
QString joined(const QString& town, const QString& province)
{
    return Text::trim(town) + QLatin1Char(' ') + Text::trim(province);
}
} // namespace

QList<GridColumn> ClientExport::columns()
{
    return {
        {QStringLiteral("Cognome e nome"), 250, QStringLiteral("Cognome e nome"), 250},
        {QStringLiteral("Data di nascita"), 120, QStringLiteral("Data di nascita"), 200},
        {QStringLiteral("Comune / Stato estero di nascita"), 250, QStringLiteral("Comune di nascita"), 250},
        {QStringLiteral("Tel. preferenziale"), 200, QStringLiteral("Tel. preferenziale"), 250},
        {QStringLiteral("Indirizzo di residenza"), 250, QStringLiteral("Indirizzo di residenza"), 300},
        {QStringLiteral("Comune di residenza"), 250, QStringLiteral("Comune di residenza"), 250},
        {QStringLiteral("Modalit\u00E0 di pagamento"), 250, QStringLiteral("Modalit\u00E0 di pagamento"), 250},
        {QStringLiteral("Tel. casa"), 200, QStringLiteral("Tel. casa"), 250},
        {QStringLiteral("Tel. ufficio"), 200, QStringLiteral("Tel. ufficio"), 250},
        {QStringLiteral("Tel. cellulare"), 200, QStringLiteral("Tel. cellulare"), 250},
        {QStringLiteral("PEC"), 200, QStringLiteral("PEC"), 250},
        {QStringLiteral("E-mail"), 250, QStringLiteral("E-mail"), 250},
        {QStringLiteral("Codice fiscale"), 150, QStringLiteral("Codice fiscale"), 250},
        {QStringLiteral("Partita IVA"), 150, QStringLiteral("Partita IVA"), 250},
        {QStringLiteral("Carta di credito n."), 250, QStringLiteral("Carta di credito n."), 300},
        {QStringLiteral("Scadenza"), 160, QStringLiteral("Scadenza"), 150},
        {QStringLiteral("IBAN"), 250, QStringLiteral("IBAN"), 300},
        {QStringLiteral("Estremi documento"), 280, QStringLiteral("Estremi documento"), 280},
        {QStringLiteral("Occupazione"), 250, QStringLiteral("Occupazione"), 250},
        {QStringLiteral("Stato civile"), 250, QStringLiteral("Stato civile"), 250},
        {QStringLiteral("Titoli e qualifiche"), 280, QStringLiteral("Titoli e qualifiche"), 280},
        {QStringLiteral("Prodotti e servizi di interesse"), 300, QStringLiteral("Prodotti e servizi di interesse"),
         300},
        {QStringLiteral("Zona"), 250, QStringLiteral("Zona"), 250},
        {QStringLiteral("Questioni in sospeso"), 300, QStringLiteral("Questioni in sospeso"), 300},
        {QStringLiteral("Note"), 350, QStringLiteral("Note"), 300},
    };
}

QStringList ClientExport::cells(const TSchedaCliente& c)
{
    return {c.Cliente,     c.DataNasc,     joined(c.ComuneNasc, c.ProvNasc),
            c.Recapito,    c.IndirizzoRes, joined(c.ComuneRes, c.ProvRes),
            c.Estremi,     c.TelCasa,      c.TelUff,
            c.TelCel,      c.Fax,          c.Email,
            c.CodFisc,     c.PartitaIva,   c.Carta,
            c.ScadeCarta,  c.Iban,         c.Documento,
            c.Occupazione, c.Civile,       c.Titoli,
            c.Prodotti,    c.Zona,         c.Questioni,
            c.Note};
}
