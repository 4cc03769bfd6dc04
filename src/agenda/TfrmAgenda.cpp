#include "agenda/TfrmAgenda.h"

#include "agenda/AgendaLine.h"
#include "agenda/TfrmExpGiornaliere.h"
#include "agenda/TfrmExpImminenti.h"
#include "agenda/TfrmExpMensili.h"
#include "app/Clock.h"
#include "app/DataFolder.h"
#include "app/Help.h"
#include "app/Look.h"
#include "app/Messages.h"
#include "app/SoundPlayer.h"
#include "app/Text.h"
#include "appointments/TfrmArchivio_Scadenze.h"
#include "appointments/TfrmWhatsApp_Message.h"
#include "storage/RecordFile.h"
#include "storage/TSchedaAppuntamento.h"

#include <QIcon>
#include <QToolButton>

TfrmAgenda* frmAgenda = nullptr;

namespace {
const QString kSound = QStringLiteral("Avviso.mp3");
const QString kReportTitle = QStringLiteral("Riepilogo appuntamenti imminenti");
const QString kWhatsAppEmptyList =
    QStringLiteral("Invio messaggio di WhatsApp non applicabile: la lista non contiene nessun appuntamento.");
const QString kWhatsAppNoSelection =
    QStringLiteral("Attenzione: selezionare dall'elenco il cliente a cui si desidera inviare il promemoria "
                   "dell'appuntamento prima di fare clic sull'icona di WhatsApp.");

// The grids are fresh instances owned by the agenda, gone when they close.
template <class Screen> void showGrid(QWidget* owner)
{
    Screen grid(owner);
    grid.exec();
}
} // namespace

TfrmAgenda::TfrmAgenda(QWidget* parent) : TopLevelScreen(parent)
{
    setupUi(this);
    setAttribute(Qt::WA_StyledBackground);
    setCentredPanel(panContainer);
    calAppuntamenti->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calAppuntamenti->setSelectedDate(Clock::today());
    // The month arrows in the look of the other arrows of the program.
    if (auto* previous = calAppuntamenti->findChild<QToolButton*>(QStringLiteral("qt_calendar_prevmonth")))
        previous->setIcon(QIcon(Look::picturePath(QStringLiteral("precedente"))));
    if (auto* next = calAppuntamenti->findChild<QToolButton*>(QStringLiteral("qt_calendar_nextmonth")))
        next->setIcon(QIcon(Look::picturePath(QStringLiteral("successivo"))));

    Look::setPicture(imgPresenti, QStringLiteral("agenda_si"));
    Look::setPicture(imgAssenti, QStringLiteral("agenda_no"));
    Look::setPicture(imgAppuntamentiSI, QStringLiteral("appuntamenti_si"));
    Look::setPicture(imgAppuntamentiNO, QStringLiteral("appuntamenti_no"));
    Look::setCommandPicture(btnGiorno, QStringLiteral("giorno"));
    Look::setCommandPicture(btnMese, QStringLiteral("mese"));
    Look::setCommandPicture(btnArchivio, QStringLiteral("archivio"));
    Look::setCommandPicture(appApriArchivio, QStringLiteral("aggiungi"));
    Look::setCommandPicture(btnWhatsApp, QStringLiteral("whatsapp"));
    Look::setCommandPicture(btnStampa, QStringLiteral("stampa"));
    Look::setCommandPicture(btnExcel, QStringLiteral("excel"));
    // The spreadsheet icon with its caption beside it.
    btnExcel->setIconSize(QSize(32, 32));
    Look::setCommandPicture(imgGuida, QStringLiteral("guida"));
    Look::setCommandPicture(imgEsci, QStringLiteral("esci"));
    showImminent(false);

    connect(btnCaricaLista, &QPushButton::clicked, this, &TfrmAgenda::btnCaricaListaClick);
    // A list box's click is any change of its selected line, by the mouse or the keys.
    connect(lstRecords->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TfrmAgenda::lstRecordsClick);
    connect(btnWhatsApp, &QToolButton::clicked, this, &TfrmAgenda::btnWhatsAppClick);
    connect(btnStampa, &QToolButton::clicked, this, &TfrmAgenda::btnStampaClick);
    connect(btnExcel, &QToolButton::clicked, this, &TfrmAgenda::btnExcelClick);
    connect(btnGiorno, &QToolButton::clicked, this, &TfrmAgenda::btnGiornoClick);
    connect(btnMese, &QToolButton::clicked, this, &TfrmAgenda::btnMeseClick);
    connect(btnArchivio, &QToolButton::clicked, this, &TfrmAgenda::appApriArchivioClick);
    connect(appApriArchivio, &QToolButton::clicked, this, &TfrmAgenda::appApriArchivioClick);
    connect(imgGuida, &QToolButton::clicked, this, &TfrmAgenda::imgGuidaClick);
    connect(imgEsci, &QToolButton::clicked, this, &TfrmAgenda::imgEsciClick);
}

void TfrmAgenda::FormShow()
{
    titData->clear();
    titOra->clear();
    titContatto->clear();
    titCel->clear();
    btnCaricaListaClick();
    // The pictures and the sound follow the list just loaded, so they never
    // contradict what the user sees.
    const bool any = lstRecords->count() > 0;
    showImminent(any);
    if (any)
        SoundPlayer::play(DataFolder::filePath(kSound));
}

void TfrmAgenda::FormClose()
{
    SoundPlayer::stop();
    TopLevelScreen::FormClose();
}

void TfrmAgenda::showImminent(bool any)
{
    imgPresenti->setVisible(any);
    imgAppuntamentiSI->setVisible(any);
    imgAssenti->setVisible(!any);
    imgAppuntamentiNO->setVisible(!any);
}

void TfrmAgenda::btnCaricaListaClick()
{
    // A failure while reading is not reported: the lines read before it are listed.
    lstRecords->setLines(AgendaLine::imminentLines(Clock::today()));
}

void TfrmAgenda::lstRecordsClick()
{
    const qint64 position = lstRecords->selectedPosition();
    if (position == 0)
        return;
    // The line's own record, even when another record gives the same line.
    const auto record = RecordFile::read(TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size, position - 1);
    if (!record)
        return;
    const TSchedaAppuntamento appointment = TSchedaAppuntamento::decode((*record).constData());
    titData->setText(appointment.Data);
    titOra->setText(appointment.Ora);
    titContatto->setText(appointment.Contatto);
    titCel->setText(appointment.Cel);
}

void TfrmAgenda::btnWhatsAppClick()
{
    if (lstRecords->count() == 0) {
        Messages::warning(this, kWhatsAppEmptyList);
        return;
    }
    if (lstRecords->selectedRow() < 0) {
        Messages::warning(this, kWhatsAppNoSelection);
        return;
    }
    TfrmWhatsApp_Message message(this);
    message.txtData->setText(Text::trim(titData->text()));
    message.txtOra->setText(Text::trim(titOra->text()));
    message.txtContatto->setText(Text::trim(titContatto->text()));
    message.txtCel->setText(Text::trim(titCel->text()));
    message.exec();
}

void TfrmAgenda::btnStampaClick()
{
    frxReport.print(kReportTitle, lstRecords->lines(), {}, this);
}

void TfrmAgenda::btnExcelClick()
{
    showGrid<TfrmExpImminenti>(this);
}

void TfrmAgenda::btnGiornoClick()
{
    showGrid<TfrmExpGiornaliere>(this);
}

void TfrmAgenda::btnMeseClick()
{
    showGrid<TfrmExpMensili>(this);
}

void TfrmAgenda::appApriArchivioClick()
{
    showScreen(frmArchivio_Scadenze, this);
}

void TfrmAgenda::imgGuidaClick()
{
    Help::open(this, Help::agenda());
}

void TfrmAgenda::imgEsciClick()
{
    close();
}
