#include "clients/TfrmAllegaExcel.h"

#include "app/Clock.h"
#include "app/Conventions.h"
#include "app/Look.h"
#include "app/Messages.h"
#include "app/Text.h"
#include "appointments/Amount.h"
#include "clients/TfrmClienti.h"
#include "clients/Treatments.h"

#include <QKeyEvent>

TfrmAllegaExcel* frmAllegaExcel = nullptr;

namespace {
const QString kNothingToModify = QStringLiteral("Modifica non applicabile: la lista non contiene nessuna voce.");
const QString kSelectFirst =
    QStringLiteral("Attenzione: selezionare una voce dall'elenco prima di premere il pulsante di modifica.");
const QString kNeedData = QStringLiteral(
    "Attenzione: per salvare la scheda è necessario indicare la data in cui è stato effettuato il servizio.");
const QString kNeedOra = QStringLiteral(
    "Attenzione: per salvare la scheda è necessario indicare l'ora in cui è stato effettuato il servizio.");
const QString kNeedTrattamenti =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare i trattamenti effettuati.");
const QString kNeedEstetista = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome "
                                              "dell'estetista che ha effettuato il trattamento.");
const QString kNeedImporto =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare l'importo pagato dal cliente.");
const QString kRewritten =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kAppended = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString kArchiveError =
    QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
                   "privilegi di scrittura nella cartella di installazione del programma.");
const QString kNoAmount = QStringLiteral("0,00");
const QString kTitle = QStringLiteral("Trattamenti di ");
const QString kReportTitle = QStringLiteral("Riepilogo trattamenti di ");
const QString kRule = QStringLiteral("--------------------------");
const QString kTotalCaption = QStringLiteral("TOTALE IMPORTI:    ");
constexpr QColor kWindowBlue(0x42, 0x7A, 0xA8);

int capacity(TSchedaTrattamento::Field field)
{
    return TSchedaTrattamento::spec(field).capacity;
}
} // namespace

TfrmAllegaExcel::TfrmAllegaExcel(QWidget* parent) : ModalScreen(parent)
{
    setupUi(this);
    Look::setGradient(this, kWindowBlue);
    Look::setPicture(imgDecorazione, QStringLiteral("logo"));
    Look::setCommandPicture(impData, QStringLiteral("calendario"));
    Look::setCommandPicture(impOra, QStringLiteral("orologio"));
    using Field = TSchedaTrattamento::Field;
    txtData->setMaxLength(capacity(Field::Data));
    txtOra->setMaxLength(capacity(Field::Ora));
    txtTrattamenti->setMaxLength(capacity(Field::Trattamenti));
    txtEstetista->setMaxLength(capacity(Field::Estetista));
    txtImporto->setMaxLength(capacity(Field::Importo));

    connect(btnTrova, &QPushButton::clicked, this, &TfrmAllegaExcel::btnTrovaClick);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmAllegaExcel::btnStampaClick);
    connect(btnAggiungi, &QPushButton::clicked, this, &TfrmAllegaExcel::btnAggiungiClick);
    connect(btnModifica, &QPushButton::clicked, this, &TfrmAllegaExcel::btnModificaClick);
    connect(btnSalva, &QPushButton::clicked, this, &TfrmAllegaExcel::btnSalvaClick);
    connect(impData, &QToolButton::clicked, this, &TfrmAllegaExcel::impDataClick);
    connect(impOra, &QToolButton::clicked, this, &TfrmAllegaExcel::impOraClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmAllegaExcel::btnChiudiClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmAllegaExcel::cmdCloseClick);
    connect(this, &QDialog::finished, this, &TfrmAllegaExcel::FormClose);

    Conventions::onKeyDown(txtTrova, [this](QKeyEvent* event) { return txtTrovaKeyDown(event); });
    Conventions::returnMovesTo(txtData, txtOra);
    Conventions::returnMovesTo(txtOra, txtTrattamenti);
    Conventions::returnMovesTo(txtTrattamenti, txtEstetista);
    Conventions::returnMovesTo(txtEstetista, txtImporto);
    Conventions::onKeyDown(txtImporto, [this](QKeyEvent* event) { return txtImportoKeyDown(event); });
    Conventions::onExit(txtImporto, [this] { txtImportoExit(); });
}

void TfrmAllegaExcel::FormShow()
{
    lstRecords->resetSearch();
    txtTrova->clear();
    lblTotale->setText(kNoAmount);
    lblTitolo->setText(kTitle + Text::trim(frmClienti->txtCliente->text()));
    // The file's name within the data folder, where every archive lives.
    lblFile->setText(Treatments::fileName(frmClienti->lblPosizione->text()));

    const Treatments::History history = Treatments::load(lblFile->text());
    lstRecords->setLines(history.lines);
    if (history.error.isEmpty())
        lblTotale->setText(Treatments::totalText(history.total));
    else if (history.anyAmountAdded)
        // A file that could not be read to its end shows what it had so far,
        // without the euro sign of a complete total.
        lblTotale->setText(Amount::generalForm(history.total));
    txtTrova->setFocus(Qt::OtherFocusReason);
}

void TfrmAllegaExcel::FormClose()
{
    lstRecords->clear();
}

bool TfrmAllegaExcel::txtTrovaKeyDown(QKeyEvent* event)
{
    if (!Conventions::isReturn(event))
        return false;
    btnTrova->setFocus(Qt::OtherFocusReason);
    return true;
}

void TfrmAllegaExcel::btnTrovaClick()
{
    lstRecords->findInList(txtTrova->text());
}

void TfrmAllegaExcel::btnStampaClick()
{
    const QStringList closing{kRule, kTotalCaption + Text::trim(lblTotale->text())};
    frxReport.print(kReportTitle + Text::trim(frmClienti->txtCliente->text()), lstRecords->lines(), closing, this);
}

void TfrmAllegaExcel::btnAggiungiClick()
{
    txtData->clear();
    txtOra->clear();
    txtTrattamenti->clear();
    txtEstetista->clear();
    txtImporto->setText(kNoAmount);
    lblPosizione->clear();
    showEditor();
}

void TfrmAllegaExcel::btnModificaClick()
{
    if (lstRecords->count() == 0) {
        Messages::information(this, kNothingToModify);
        return;
    }
    const qsizetype row = lstRecords->selectedRow();
    if (row < 0) {
        Messages::warning(this, kSelectFirst);
        return;
    }
    const Treatments::Match match = Treatments::findLast(lblFile->text(), lstRecords->line(row));
    if (!match.error.isEmpty()) {
        close();
        return;
    }
    if (match.position > 0) {
        txtData->setText(match.scheda.Data);
        txtOra->setText(match.scheda.Ora);
        txtTrattamenti->setText(match.scheda.Trattamenti);
        txtEstetista->setText(match.scheda.Estetista);
        txtImporto->setText(match.scheda.Importo);
        lblPosizione->setText(QString::number(match.position));
    }
    showEditor();
}

void TfrmAllegaExcel::btnSalvaClick()
{
    const struct
    {
        QLineEdit* field;
        const QString& warning;
    } required[] = {
        {txtData, kNeedData},           {txtOra, kNeedOra},         {txtTrattamenti, kNeedTrattamenti},
        {txtEstetista, kNeedEstetista}, {txtImporto, kNeedImporto},
    };
    for (const auto& check : required) {
        if (Text::isBlank(check.field->text())) {
            Messages::warning(this, check.warning);
            check.field->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    TSchedaTrattamento scheda;
    scheda.Data = Text::trim(txtData->text());
    scheda.Ora = Text::trim(txtOra->text());
    scheda.Trattamenti = Text::trim(txtTrattamenti->text());
    scheda.Estetista = Text::trim(txtEstetista->text());
    scheda.Importo = Text::trim(txtImporto->text());
    const bool stored = !lblPosizione->text().isEmpty();
    const RecordFile::Result<qint64> saved =
        Treatments::save(lblFile->text(), scheda, stored ? lblPosizione->text().toLongLong() : 0);
    if (!saved) {
        Messages::warning(this, kArchiveError);
        return;
    }
    lblPosizione->setText(QString::number(*saved));
    Messages::information(this, stored ? kRewritten : kAppended);
}

void TfrmAllegaExcel::impDataClick()
{
    txtData->setText(Text::formatDate(Clock::today()));
}

void TfrmAllegaExcel::impOraClick()
{
    txtOra->setText(Text::formatTime(Clock::now().time()));
}

bool TfrmAllegaExcel::txtImportoKeyDown(QKeyEvent* event)
{
    if (Conventions::isReturn(event)) {
        txtData->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return Conventions::discardUnlessDigit(event, QStringLiteral(","));
}

void TfrmAllegaExcel::txtImportoExit()
{
    txtImporto->setText(Amount::normalise(txtImporto->text()));
}

void TfrmAllegaExcel::btnChiudiClick()
{
    close();
}

void TfrmAllegaExcel::cmdCloseClick()
{
    close();
}

void TfrmAllegaExcel::showEditor()
{
    panCosti->show();
    panContainer->hide();
    txtData->setFocus(Qt::OtherFocusReason);
}
