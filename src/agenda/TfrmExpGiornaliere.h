#pragma once

#include "agenda/AgendaGridScreen.h"
#include "ui_TfrmExpGiornaliere.h"

// The appointments of the day selected in the agenda's calendar, exported to
// "Appuntamenti_Giornalieri.xls".
class TfrmExpGiornaliere final : public AgendaGridScreen, public Ui::TfrmExpGiornaliere
{
    Q_OBJECT
public:
    explicit TfrmExpGiornaliere(QWidget* parent = nullptr);

private:
    AgendaSelection::Rule selection() const override;
};

extern TfrmExpGiornaliere* frmExpGiornaliere;
