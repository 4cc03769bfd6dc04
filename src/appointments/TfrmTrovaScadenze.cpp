#include "appointments/TfrmTrovaScadenze.h"

#include "app/Conventions.h"
#include "app/Look.h"
#include "app/Messages.h"
#include "app/Text.h"
#include "appointments/AppointmentSearch.h"
#include "appointments/ChosenAppointment.h"

TfrmTrovaScadenze* frmTrovaScadenze = nullptr;

namespace {
const QString kArchiveError =
    QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
                   "privilegi di scrittura nella cartella di installazione del programma.");
const QString kCardTag = QStringLiteral("scadenze");
} // namespace

TfrmTrovaScadenze::TfrmTrovaScadenze(QWidget* parent) : ListScreen(parent)
{
    setupUi(this);
    Look::setPicture(imgSpiega, QStringLiteral("trova"));
    Look::setPicture(imgTrova01, QStringLiteral("freccia"));
    panContainer->setTitle(QStringLiteral("trova"), QStringLiteral("Riepilogo appuntamenti in archivio"));
    panContainer->setSearchResults();

    const QList<QLineEdit*> boxes = criteria();
    const QList<QWidget*> frames{effCampo01, effCampo02, effCampo09, effCampo10, effCampo05,
                                 effCampo06, effCampo07, effCampo08, effCampo03, effCampo04};
    for (int i = 0; i < boxes.size(); ++i)
        Conventions::bindFocusFrame(boxes.at(i), frames.at(i));
    Conventions::returnRing(QList<QWidget*>(boxes.begin(), boxes.end()));

    connect(btnCerca, &QPushButton::pressed, this, &TfrmTrovaScadenze::btnCercaMouseDown);
    connect(btnCerca, &QPushButton::clicked, this, &TfrmTrovaScadenze::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmTrovaScadenze::btnAnnullaClick);
    connect(panContainer->lstRecords, &QAbstractItemView::doubleClicked, this, &TfrmTrovaScadenze::lstRecordsDblClick);
    connect(this, &QDialog::finished, this, &TfrmTrovaScadenze::FormClose);
}

QList<QLineEdit*> TfrmTrovaScadenze::criteria() const
{
    return {txtData, txtOra, txtTipologia, txtCausale, txtDettagli, txtContatto, txtTel, txtCel, txtLuogo, txtNote};
}

void TfrmTrovaScadenze::FormShow()
{
    panContainer->clearSearch();
    txtData->setFocus(Qt::OtherFocusReason);
}

void TfrmTrovaScadenze::btnCercaMouseDown()
{
    // The search blocks the window; the label is drawn before it starts.
    lblAttendere->show();
    lblAttendere->repaint();
}

void TfrmTrovaScadenze::btnCercaClick()
{
    QStringList typed;
    for (const QLineEdit* box : criteria())
        typed.append(box->text());
    const SearchCriteria search(typed);
    lblConta->setText(QString::number(search.filledCount()));

    ListBox* lstRecords = panContainer->lstRecords;
    lstRecords->clear();
    AppointmentSearch::Found found = AppointmentSearch::run(search);
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

void TfrmTrovaScadenze::btnAnnullaClick()
{
    close();
}

void TfrmTrovaScadenze::lstRecordsDblClick()
{
    if (Text::trim(lblMemory->text()) == kCardTag)
        ChosenAppointment::showOnCard(panContainer->lstRecords->selectedPosition());
    close();
}

void TfrmTrovaScadenze::FormClose()
{
    panContainer->lstRecords->clear();
    lblAttendere->hide();
}
