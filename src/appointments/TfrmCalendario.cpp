#include "appointments/TfrmCalendario.h"

#include "app/Clock.h"
#include "app/Look.h"
#include "app/Text.h"
#include "appointments/TfrmArchivio_Scadenze.h"

TfrmCalendario* frmCalendario = nullptr;

TfrmCalendario::TfrmCalendario(QWidget* parent) : ModalScreen(parent, Placement::Owner)
{
    setupUi(this);
    Look::setGradient(this, Look::lightSection);
    calAppuntamenti->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calAppuntamenti->setFirstDayOfWeek(Qt::Monday);
    // Every opening is a new window, so the calendar always starts on today.
    calAppuntamenti->setSelectedDate(Clock::today());
    connect(btnImportaData, &QPushButton::clicked, this, &TfrmCalendario::btnImportaDataClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmCalendario::btnAnnullaClick);
}

void TfrmCalendario::btnImportaDataClick()
{
    if (lblMemory->text() != QLatin1String("data"))
        return;
    frmArchivio_Scadenze->txtData->setText(Text::formatDate(calAppuntamenti->selectedDate()));
    accept();
}

void TfrmCalendario::btnAnnullaClick()
{
    reject();
}
