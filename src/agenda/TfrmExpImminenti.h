#pragma once

#include "agenda/AgendaGridScreen.h"
#include "ui_TfrmExpImminenti.h"

// The imminent appointments in a grid, exported to "Appuntamenti_Imminenti.xls".
class TfrmExpImminenti final : public AgendaGridScreen, public Ui::TfrmExpImminenti
{
    Q_OBJECT
public:
    explicit TfrmExpImminenti(QWidget* parent = nullptr);

private:
    AgendaSelection::Rule selection() const override;
};

extern TfrmExpImminenti* frmExpImminenti;
