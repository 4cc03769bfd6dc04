#include "appointments/AppointmentGrid.h"

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

QStringList AppointmentGrid::cells(const TSchedaAppuntamento& a)
{
    return {a.Data, a.Ora,   a.Tipologia, a.Causale, a.Dettagli,    a.Contatto, a.Tel,
            a.Cel,  a.Email, a.Luogo,     a.Importo, a.Ottemperata, a.Note};
}
