#include "agenda/TfrmExpGiornaliere.h"

TfrmExpGiornaliere* frmExpGiornaliere = nullptr;

TfrmExpGiornaliere::TfrmExpGiornaliere(QWidget* parent) : AgendaGridScreen(parent)
{
    Ui::TfrmExpGiornaliere::setupUi(this);
    setUpAgendaGrid(QStringLiteral("Appuntamenti del giorno"), QStringLiteral("Appuntamenti_Giornalieri.xls"),
                    QStringLiteral("Appuntamenti del giorno"));
}

AgendaSelection::Rule TfrmExpGiornaliere::selection() const
{
    return AgendaSelection::onDay(calendarDate());
}
