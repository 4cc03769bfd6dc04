#include "agenda/TfrmExpImminenti.h"

#include "app/Clock.h"

TfrmExpImminenti* frmExpImminenti = nullptr;

TfrmExpImminenti::TfrmExpImminenti(QWidget* parent) : AgendaGridScreen(parent)
{
    Ui::TfrmExpImminenti::setupUi(this);
    setUpAgendaGrid(QStringLiteral("Appuntamenti imminenti"), QStringLiteral("Appuntamenti_Imminenti.xls"),
                    QStringLiteral("Appuntamenti imminenti"));
}

AgendaSelection::Rule TfrmExpImminenti::selection() const
{
    return AgendaSelection::imminent(Clock::today());
}
