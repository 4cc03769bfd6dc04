#include "appointments/AppointmentGrid.h"

#include "reports/GridRows.h"
#include "storage/CountedText.h"
#include "storage/TSchedaAppuntamento.h"

QList<GridColumn> AppointmentGrid::columns(int dateWidth)
{
    return {
        {QStringLiteral("Data appuntamento"), dateWidth, QStringLiteral("Data appuntamento"), 180},
        {QStringLiteral("Ora"), 100, QStringLiteral("Ora"), 150},
        {QStringLiteral("Estetista"), 200, QStringLiteral("Estetista"), 280},
        {QStringLiteral("Trattamenti richiesti"), 300, QStringLiteral("Trattamenti richiesti"), 400},
        {QStringLiteral("Dettagli"), 300, QStringLiteral("Dettagli"), 400},
        {QStringLiteral("Cliente"), 250, QStringLiteral("Cliente"), 300},
        {QStringLiteral("Telefono"), 150, QStringLiteral("Telefono"), 200},
        {QStringLiteral("Cellulare"), 150, QStringLiteral("Cellulare"), 200},
        {QStringLiteral("E-mail"), 200, QStringLiteral("E-mail"), 250},
        {QStringLiteral("Modalit\u00E0 di pagamento"), 250, QStringLiteral("Modalit\u00E0 di pagamento"), 300},
        {QStringLiteral("Importo"), 180, QStringLiteral("Importo"), 200},
        {QStringLiteral("Impegno assolto"), 150, QStringLiteral("Impegno assolto"), 200},
        {QStringLiteral("Note"), 300, QStringLiteral("Note"), 400},
    };
}

void AppointmentGrid::addCells(const char* record, GridCells& cells)
{
    using Field = TSchedaAppuntamento::Field;
    for (const Field field : {Field::Data, Field::Ora, Field::Tipologia, Field::Causale, Field::Dettagli,
                              Field::Contatto, Field::Tel, Field::Cel, Field::Email, Field::Luogo, Field::Importo,
                              Field::Ottemperata, Field::Note})
        cells.add(CountedText::trimmed(TSchedaAppuntamento::raw(record, field)));
}
