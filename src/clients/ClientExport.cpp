#include "clients/ClientExport.h"

#include "reports/GridRows.h"
#include "storage/CountedText.h"
#include "storage/TSchedaCliente.h"

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

void ClientExport::addCells(const char* record, GridCells& cells)
{
    using Field = TSchedaCliente::Field;
    const auto add = [&](Field field) { cells.add(CountedText::trimmed(TSchedaCliente::raw(record, field))); };
    const auto addJoined = [&](Field town, Field province) {
        add(town);
        cells.extend(" ");
        cells.extend(CountedText::trimmed(TSchedaCliente::raw(record, province)));
    };
    add(Field::Cliente);
    add(Field::DataNasc);
    addJoined(Field::ComuneNasc, Field::ProvNasc);
    add(Field::Recapito);
    add(Field::IndirizzoRes);
    addJoined(Field::ComuneRes, Field::ProvRes);
    for (const Field field :
         {Field::Estremi, Field::TelCasa, Field::TelUff, Field::TelCel, Field::Fax, Field::Email, Field::CodFisc,
          Field::PartitaIva, Field::Carta, Field::ScadeCarta, Field::Iban, Field::Documento, Field::Occupazione,
          Field::Civile, Field::Titoli, Field::Prodotti, Field::Zona, Field::Questioni, Field::Note})
        add(field);
}
