#include "agenda/TfrmExpMensili.h"

TfrmExpMensili* frmExpMensili = nullptr;

TfrmExpMensili::TfrmExpMensili(QWidget* parent) : AgendaGridScreen(parent)
{
    Ui::TfrmExpMensili::setupUi(this);
    setUpAgendaGrid(QStringLiteral("Appuntamenti del mese"), QStringLiteral("Appuntamenti_Mensili.xls"),
                    QStringLiteral("Appuntamenti del mese"));
}

AgendaSelection::Rule TfrmExpMensili::selection() const
{
    return AgendaSelection::inMonth(calendarDate());
}
