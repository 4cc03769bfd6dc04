#include "clients/ClientSheetContent.h"

#include "app/Text.h"
#include "storage/TSchedaCliente.h"

QString ClientSheetContent::title()
{
    return QStringLiteral("SCHEDA ANAGRAFICA CLIENTE");
}

QList<ClientSheetContent::Row> ClientSheetContent::rows(const TSchedaCliente& card, Output output)
{
    const auto t = [](const QString& text) { return Text::trim(text); };
    const QString zone = output == Output::Pdf ? QStringLiteral("Zona di appartenenza:") : QStringLiteral("Zona:");
    return {
        {QStringLiteral("Cognome e nome:"), t(card.Cliente)},
        {QStringLiteral("Data di nascita:"), t(card.DataNasc)},
        {QStringLiteral("Comune di nascita:"), t(card.ComuneNasc) + QLatin1Char(' ') + t(card.ProvNasc)},
        {QStringLiteral("Sesso:"), t(card.Sesso)},
        {QStringLiteral("Tel. preferenziale:"), t(card.Recapito)},
        {QStringLiteral("Indirizzo di residenza:"), t(card.IndirizzoRes)},
        {QStringLiteral("Comune di residenza:"), t(card.ComuneRes) + QLatin1Char(' ') + t(card.ProvRes)},
        {QStringLiteral("Modalit\u00E0 pagamento:"), t(card.Estremi)},
        {QStringLiteral("Tel. casa:"), t(card.TelCasa)},
        {QStringLiteral("Tel. ufficio:"), t(card.TelUff)},
        {QStringLiteral("Tel. cellulare:"), t(card.TelCel)},
        {QStringLiteral("PEC:"), t(card.Fax)},
        {QStringLiteral("E-mail:"), t(card.Email)},
        {QStringLiteral("Codice fiscale:"), t(card.CodFisc)},
        {QStringLiteral("Partita IVA:"), t(card.PartitaIva)},
        {QStringLiteral("Carta di credito:"),
         QStringLiteral("N. ") + t(card.Carta) + QStringLiteral("  -  Scadenza: ") + t(card.ScadeCarta)},
        {QStringLiteral("IBAN:"), t(card.Iban)},
        {QStringLiteral("Estremi documento:"), t(card.Documento)},
        {QStringLiteral("Occupazione:"), t(card.Occupazione)},
        {QStringLiteral("Titoli e qualifiche:"), t(card.Titoli)},
        {QStringLiteral("Prodotti e servizi:"), t(card.Prodotti)},
        {zone, t(card.Zona)},
        {QStringLiteral("Questioni in sospeso:"), t(card.Questioni)},
        {QStringLiteral("Note:"), t(card.Note)},
    };
}

QString ClientSheetContent::footer(const QDateTime& now)
{
    // The long time format: hours, minutes and seconds.
    return QStringLiteral("Stampa eseguita in data ") + Text::formatDate(now.date()) + QStringLiteral(" alle ore ") +
           now.time().toString(QStringLiteral("HH:mm:ss"));
}
