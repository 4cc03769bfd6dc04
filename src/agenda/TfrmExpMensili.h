#pragma once

#include "agenda/AgendaGridScreen.h"
#include "ui_TfrmExpMensili.h"

// The appointments of the month and year of the date selected in the agenda's
// calendar, exported to "Appuntamenti_Mensili.xls".
class TfrmExpMensili final : public AgendaGridScreen, public Ui::TfrmExpMensili
{
    Q_OBJECT
public:
    explicit TfrmExpMensili(QWidget* parent = nullptr);

private:
    AgendaSelection::Rule selection() const override;
};

extern TfrmExpMensili* frmExpMensili;
