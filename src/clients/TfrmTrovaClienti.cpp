#include "clients/TfrmTrovaClienti.h"

#include "app/Conventions.h"
#include "app/Look.h"
#include "app/Messages.h"
#include "app/Text.h"
#include "clients/ChosenClient.h"
#include "clients/ClientSearch.h"

TfrmTrovaClienti* frmTrovaClienti = nullptr;

namespace {
const QString kArchiveError =
    QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
                   "privilegi di scrittura nella cartella di installazione del programma.");
const QString kClientCardTag = QStringLiteral("clienti");
const QString kAppointmentCardTag = QStringLiteral("scadenze");
} // namespace

TfrmTrovaClienti::TfrmTrovaClienti(QWidget* parent) : ListScreen(parent)
{
    setupUi(this);
    Look::setPicture(imgSpiega, QStringLiteral("trova"));
    Look::setPicture(icoTrova01, QStringLiteral("cliente"));
    panContainer->setTitle(QStringLiteral("trova"), QStringLiteral("Riepilogo clienti in archivio"));
    panContainer->setSearchResults();
    panContainer->lstRecords->setSorted(true);

    const QList<QLineEdit*> boxes = criteria();
    const QList<QWidget*> frames{effCliente,     effComuneRes, effPartitaIva, effCodFisc,   effDocumento,
                                 effOccupazione, effProdotti,  effZona,       effQuestioni, effNote};
    for (int i = 0; i < boxes.size(); ++i)
        Conventions::bindFocusFrame(boxes.at(i), frames.at(i));
    Conventions::returnRing(QList<QWidget*>(boxes.begin(), boxes.end()));

    connect(btnCerca, &QPushButton::pressed, this, &TfrmTrovaClienti::btnCercaMouseDown);
    connect(btnCerca, &QPushButton::clicked, this, &TfrmTrovaClienti::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmTrovaClienti::btnAnnullaClick);
    connect(panContainer->lstRecords, &QAbstractItemView::doubleClicked, this, &TfrmTrovaClienti::lstRecordsDblClick);
    connect(this, &QDialog::finished, this, &TfrmTrovaClienti::FormClose);
}

QList<QLineEdit*> TfrmTrovaClienti::criteria() const
{
    return {txtCliente,     txtComuneRes, txtPartitaIva, txtCodFisc,   txtDocumento,
            txtOccupazione, txtProdotti,  txtZona,       txtQuestioni, txtNote};
}

void TfrmTrovaClienti::FormShow()
{
    panContainer->clearSearch();
    txtCliente->setFocus(Qt::OtherFocusReason);
}

void TfrmTrovaClienti::btnCercaMouseDown()
{
    // The search blocks the window; the label is drawn before it starts.
    lblAttendere->show();
    lblAttendere->repaint();
}

void TfrmTrovaClienti::btnCercaClick()
{
    QStringList typed;
    for (const QLineEdit* box : criteria())
        typed.append(box->text());
    const SearchCriteria search(typed);
    lblConta->setText(QString::number(search.filledCount()));

    ListBox* lstRecords = panContainer->lstRecords;
    lstRecords->clear();
    ClientSearch::Found found = ClientSearch::run(search);
    if (!found.error.isEmpty()) {
        // The criteria stay as typed, for another try.
        Messages::plain(this, kArchiveError);
        return;
    }
    lstRecords->setLines(std::move(found.lines));
    panContainer->setCount(lstRecords->count());
    panContainer->show();
    panAvvio->hide();
    panContainer->txtTrova->clear();
    panContainer->txtTrova->setFocus(Qt::OtherFocusReason);
}

void TfrmTrovaClienti::btnAnnullaClick()
{
    close();
}

void TfrmTrovaClienti::lstRecordsDblClick()
{
    // The client is read again by the position its line remembers; whether or
    // not that succeeds, the search closes without a word.
    const qint64 position = panContainer->lstRecords->selectedPosition();
    const QString caller = Text::trim(lblMemory->text());
    if (caller == kClientCardTag)
        ChosenClient::showOnCard(position);
    else if (caller == kAppointmentCardTag)
        ChosenClient::copyContactsToAppointment(position);
    close();
}

void TfrmTrovaClienti::FormClose()
{
    panContainer->lstRecords->clear();
    lblAttendere->hide();
}
