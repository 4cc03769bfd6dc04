#include "agenda/TfrmAgenda.h"

#include "app/Clock.h"

TfrmAgenda* frmAgenda = nullptr;

TfrmAgenda::TfrmAgenda(QWidget* parent) : TopLevelScreen(parent)
{
    setupUi(this);
    calAppuntamenti->setSelectedDate(Clock::today());
}
