#include "app/Screens.h"

#include "access/TfrmCambiaPassword.h"
#include "access/TfrmPassword.h"
#include "agenda/TfrmAgenda.h"
#include "agenda/TfrmExpGiornaliere.h"
#include "agenda/TfrmExpImminenti.h"
#include "agenda/TfrmExpMensili.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmGuida.h"
#include "app/TfrmInfo.h"
#include "app/TfrmSplash.h"
#include "appointments/TfrmArchivio_Scadenze.h"
#include "appointments/TfrmAssolti.h"
#include "appointments/TfrmCalendario.h"
#include "appointments/TfrmConfermati.h"
#include "appointments/TfrmExpScadenzario.h"
#include "appointments/TfrmScaduti.h"
#include "appointments/TfrmStampaScadenza.h"
#include "appointments/TfrmStartup.h"
#include "appointments/TfrmTrovaScadenze.h"
#include "appointments/TfrmWhatsApp_Message.h"
#include "checks/TfrmCarta.h"
#include "checks/TfrmCodFisc.h"
#include "checks/TfrmIban.h"
#include "checks/TfrmPartitaIva.h"
#include "clients/TfrmAllegaCartella.h"
#include "clients/TfrmAllegaExcel.h"
#include "clients/TfrmClienti.h"
#include "clients/TfrmExpClienti.h"
#include "clients/TfrmRicontatta.h"
#include "clients/TfrmTrovaClienti.h"

#include <QList>
#include <QPointer>

namespace {
QList<QPointer<QWidget>> s_screens;

template <class T>
T* own(T* screen)
{
    s_screens.append(screen);
    return screen;
}
} // namespace

void Screens::createAll()
{
    // The order is part of the design: the first screen created is the main
    // window, and the agenda (second) sets the process-wide formats early.
    frmPassword = own(new TfrmPassword);
    frmAgenda = own(new TfrmAgenda);
    frmAllegaCartella = own(new TfrmAllegaCartella);
    frmAllegaExcel = own(new TfrmAllegaExcel);
    frmArchivio_Scadenze = own(new TfrmArchivio_Scadenze);
    frmAssolti = own(new TfrmAssolti);
    frmAvvio = own(new TfrmAvvio);
    frmCalendario = own(new TfrmCalendario);
    frmCambiaPassword = own(new TfrmCambiaPassword);
    frmCarta = own(new TfrmCarta);
    frmClienti = own(new TfrmClienti);
    frmCodFisc = own(new TfrmCodFisc);
    frmConfermati = own(new TfrmConfermati);
    frmExpClienti = own(new TfrmExpClienti);
    frmExpGiornaliere = own(new TfrmExpGiornaliere);
    frmExpImminenti = own(new TfrmExpImminenti);
    frmExpMensili = own(new TfrmExpMensili);
    frmExpScadenzario = own(new TfrmExpScadenzario);
    frmGuida = own(new TfrmGuida);
    frmIban = own(new TfrmIban);
    frmInfo = own(new TfrmInfo);
    frmPartitaIva = own(new TfrmPartitaIva);
    frmRicontatta = own(new TfrmRicontatta);
    frmScaduti = own(new TfrmScaduti);
    frmSplash = own(new TfrmSplash);
    frmStampaScadenza = own(new TfrmStampaScadenza);
    frmStartup = own(new TfrmStartup);
    frmTrovaClienti = own(new TfrmTrovaClienti);
    frmTrovaScadenze = own(new TfrmTrovaScadenze);
    frmWhatsApp_Message = own(new TfrmWhatsApp_Message);
}

void Screens::destroyAll()
{
    while (!s_screens.isEmpty()) {
        QPointer<QWidget> screen = s_screens.takeLast();
        delete screen.data();
    }
    frmPassword = nullptr;
    frmAgenda = nullptr;
    frmAllegaCartella = nullptr;
    frmAllegaExcel = nullptr;
    frmArchivio_Scadenze = nullptr;
    frmAssolti = nullptr;
    frmAvvio = nullptr;
    frmCalendario = nullptr;
    frmCambiaPassword = nullptr;
    frmCarta = nullptr;
    frmClienti = nullptr;
    frmCodFisc = nullptr;
    frmConfermati = nullptr;
    frmExpClienti = nullptr;
    frmExpGiornaliere = nullptr;
    frmExpImminenti = nullptr;
    frmExpMensili = nullptr;
    frmExpScadenzario = nullptr;
    frmGuida = nullptr;
    frmIban = nullptr;
    frmInfo = nullptr;
    frmPartitaIva = nullptr;
    frmRicontatta = nullptr;
    frmScaduti = nullptr;
    frmSplash = nullptr;
    frmStampaScadenza = nullptr;
    frmStartup = nullptr;
    frmTrovaClienti = nullptr;
    frmTrovaScadenze = nullptr;
    frmWhatsApp_Message = nullptr;
}

QList<QWidget*> Screens::all()
{
    QList<QWidget*> screens;
    for (const auto& screen : std::as_const(s_screens))
        if (screen)
            screens.append(screen.data());
    return screens;
}
