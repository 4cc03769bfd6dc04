#include "appointments/TfrmArchivio_Scadenze.h"

#include "app/Conventions.h"
#include "app/Help.h"
#include "app/Look.h"
#include "app/Messages.h"
#include "app/TMisc.h"
#include "app/Text.h"
#include "appointments/Amount.h"
#include "appointments/TfrmAssolti.h"
#include "appointments/TfrmCalendario.h"
#include "appointments/TfrmConfermati.h"
#include "appointments/TfrmExpScadenzario.h"
#include "appointments/TfrmScaduti.h"
#include "appointments/TfrmStampaScadenza.h"
#include "appointments/TfrmStartup.h"
#include "appointments/TfrmTrovaScadenze.h"
#include "appointments/WhatsApp.h"
#include "clients/TfrmTrovaClienti.h"
#include "storage/RecordFile.h"
#include "storage/TSchedaAppuntamento.h"

#include <QKeyEvent>
#include <QRegularExpression>

TfrmArchivio_Scadenze* frmArchivio_Scadenze = nullptr;

namespace {
const QString kEmptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kArchiveError =
    QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
                   "privilegi di scrittura nella cartella di installazione del programma.");
const QString kRewritten = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kAppended = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString kDuplicateNew = QStringLiteral(
    "Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è stata inserita in archivio.");
const QString kDuplicated = QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                                           "Al termine premere Salva per inserire la scheda in archivio.");
const QString kWhatsAppDate = QStringLiteral(
    "Attenzione: per inviare la conferma dell'appuntamento al cliente tramite WhatsApp è necessario indicare la data.");
const QString kWhatsAppCel =
    QStringLiteral("Attenzione: per inviare la conferma dell'appuntamento al cliente tramite WhatsApp è necessario "
                   "indicare il suo numero di cellulare.");
const QString kNoAmount = QStringLiteral("0,00");
const QString kCallerTag = QStringLiteral("scadenze");
const QString kDateTag = QStringLiteral("data");

QString archive()
{
    return TSchedaAppuntamento::fileName();
}

// Modal screens are fresh instances owned by the card, gone when they close.
template <class Screen>
void showModal(QWidget* owner)
{
    Screen screen(owner);
    screen.exec();
}

template <class Screen>
void showModalTagged(QWidget* owner, const QString& callerTag)
{
    Screen screen(owner);
    screen.lblMemory->setText(callerTag);
    screen.exec();
}

// The list selection is emptied, the text kept: choosing any entry then
// always writes it, even the one selected before.
void resetListSelection(QComboBox* box, const QString& text)
{
    box->setCurrentIndex(-1);
    box->setEditText(text);
}

// Hours and minutes come only from their lists (or a stored record): Return
// moves on, Tab leaves and the list keys open the list; other keys are dropped.
bool dropDownKeyDown(const QKeyEvent* event, QWidget* next)
{
    if (Conventions::isReturn(event)) {
        next->setFocus(Qt::OtherFocusReason);
        return true;
    }
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_F4:
        return false;
    case Qt::Key_Up:
    case Qt::Key_Down:
        return !(event->modifiers() & Qt::AltModifier);
    default:
        return true;
    }
}

// A text that is not one of the list's entries is emptied.
void keepListEntry(QComboBox* box)
{
    if (box->findText(Text::trim(box->currentText()), Qt::MatchExactly) < 0)
        box->setEditText(QString());
}

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}
} // namespace

TfrmArchivio_Scadenze::TfrmArchivio_Scadenze(QWidget* parent) : TopLevelScreen(parent)
{
    setupUi(this);
    setCentredPanel(panContainer);
    Look::setGradient(this, Look::steelBlue);
    Look::setSection(shpSfondo, Look::greyBlue, 12);
    for (QWidget* section : {shpAppuntamento, shpCliente, shpPagamento, shpNote})
        Look::setSection(section, Look::lightSection, 8);
    Look::setSection(shpComandi, Qt::white, 8);
    Look::setSection(shpNavigazione, Qt::white, 8);
    Look::setSection(lblTitolo, Look::steelBlue, 8);
    Look::setSection(panInfo, Look::infoBar, 8);
    Look::setPicture(imgLogo, QStringLiteral("logo"));

    for (int hour = 0; hour < 24; ++hour)
        txtOreApp->addItem(twoDigits(hour));
    for (int minute = 0; minute < 60; ++minute)
        txtMinutiApp->addItem(twoDigits(minute));
    txtOreApp->lineEdit()->setMaxLength(2);
    txtMinutiApp->lineEdit()->setMaxLength(2);

    connect(cmdPrimo, &QToolButton::clicked, this, &TfrmArchivio_Scadenze::cmdPrimoClick);
    connect(cmdIndietro, &QToolButton::clicked, this, &TfrmArchivio_Scadenze::cmdIndietroClick);
    connect(cmdAvanti, &QToolButton::clicked, this, &TfrmArchivio_Scadenze::cmdAvantiClick);
    connect(cmdUltimo, &QToolButton::clicked, this, &TfrmArchivio_Scadenze::cmdUltimoClick);
    connect(cmdNuovo, &QToolButton::clicked, this, &TfrmArchivio_Scadenze::cmdNuovoClick);
    connect(cmdDuplica, &QToolButton::clicked, this, &TfrmArchivio_Scadenze::cmdDuplicaClick);
    connect(cmdSalva, &QToolButton::clicked, this, &TfrmArchivio_Scadenze::cmdSalvaClick);
    connect(cmdTrova, &QToolButton::clicked, this, &TfrmArchivio_Scadenze::cmdTrovaClick);
    connect(cmdAnteprima, &QToolButton::clicked, this, &TfrmArchivio_Scadenze::cmdAnteprimaClick);
    connect(cmdStampa, &QToolButton::clicked, this, &TfrmArchivio_Scadenze::cmdStampaClick);
    connect(cmdAssolti, &QToolButton::clicked, this, &TfrmArchivio_Scadenze::cmdAssoltiClick);
    connect(cmdDaAssolvere, &QToolButton::clicked, this, &TfrmArchivio_Scadenze::cmdDaAssolvereClick);
    connect(cmdScaduti, &QToolButton::clicked, this, &TfrmArchivio_Scadenze::cmdScadutiClick);
    connect(cmdEsporta, &QToolButton::clicked, this, &TfrmArchivio_Scadenze::cmdEsportaClick);
    connect(cmdGuida, &QToolButton::clicked, this, &TfrmArchivio_Scadenze::cmdGuidaClick);
    connect(cmdEsci, &QToolButton::clicked, this, &TfrmArchivio_Scadenze::cmdEsciClick);
    connect(impData, &QToolButton::clicked, this, &TfrmArchivio_Scadenze::impDataClick);
    connect(impContatto, &QToolButton::clicked, this, &TfrmArchivio_Scadenze::impContattoClick);
    connect(btnEmail, &QToolButton::clicked, this, &TfrmArchivio_Scadenze::btnEmailClick);
    connect(btnWhatsApp, &QToolButton::clicked, this, &TfrmArchivio_Scadenze::btnWhatsAppClick);
    connect(txtEmail, &QLineEdit::textEdited, this, &TfrmArchivio_Scadenze::txtEmailTyping);

    using Conventions::onEnter;
    using Conventions::onExit;
    using Conventions::onKeyDown;
    onKeyDown(txtData, [this](QKeyEvent* event) { return txtDataKeyDown(event); });
    onKeyDown(txtOreApp, [this](QKeyEvent* event) { return txtOreAppKeyDown(event); });
    onEnter(txtOreApp, [this] { txtOreAppCanFocus(); });
    onExit(txtOreApp, [this] { txtOreAppExit(); });
    onKeyDown(txtMinutiApp, [this](QKeyEvent* event) { return txtMinutiAppKeyDown(event); });
    onEnter(txtMinutiApp, [this] { txtMinutiAppCanFocus(); });
    onExit(txtMinutiApp, [this] { txtMinutiAppExit(); });
    onKeyDown(txtAvviso, [this](QKeyEvent* event) { return txtAvvisoKeyDown(event); });
    onExit(txtAvviso, [this] { txtAvvisoExit(); });
    onKeyDown(txtCel, [this](QKeyEvent* event) { return txtCelKeyDown(event); });
    onKeyDown(txtImporto, [this](QKeyEvent* event) { return txtImportoKeyDown(event); });
    onExit(txtImporto, [this] { txtImportoExit(); });
    // The rest of the Return chain: fields without a key rule of their own.
    Conventions::returnMovesTo(txtTipologia, txtCausale);
    Conventions::returnMovesTo(txtCausale, txtDettagli);
    Conventions::returnMovesTo(txtDettagli, txtContatto);
    Conventions::returnMovesTo(txtContatto, txtTel);
    Conventions::returnMovesTo(txtTel, txtCel);
    Conventions::returnMovesTo(txtEmail, txtLuogo);
    Conventions::returnMovesTo(txtLuogo, txtImporto);
    Conventions::returnMovesTo(txtNote, txtData);

    const struct {
        QAbstractButton* command;
        const char* picture;
        const char* hint;
    } commands[] = {
        {cmdNuovo, "nuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
        {cmdDuplica, "duplica",
         "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
        {cmdSalva, "salva", "Salva la scheda corrente in archivio."},
        {cmdTrova, "trova", "Trova una scheda in archivio."},
        {cmdAnteprima, "anteprima", "Visualizza l'anteprima di stampa della scheda corrente."},
        {cmdStampa, "stampa", "Stampa la scheda corrente."},
        {cmdAssolti, "assolti", "Visualizza il riepilogo degli impegni assolti."},
        {cmdDaAssolvere, "confermati", "Visualizza il riepilogo degli impegni da assolvere, sia scaduti che non."},
        {cmdScaduti, "scaduti", "Visualizza il riepilogo degli impegni scaduti e non assolti."},
        {cmdEsporta, "esporta", "Esporta l'archivio in un file di Excel."},
        {cmdGuida, "guida", "Visualizza la guida in linea."},
        {cmdEsci, "esci", "Esci da questa schermata di lavoro."},
        {cmdPrimo, "primo", "Visualizza la prima scheda in archivio."},
        {cmdIndietro, "precedente", "Visualizza la scheda precedente in archivio."},
        {cmdAvanti, "successivo", "Visualizza la scheda successiva in archivio."},
        {cmdUltimo, "ultimo", "Visualizza l'ultima scheda in archivio."},
        {impData, "calendario", "Importa la data dal calendario."},
        {impContatto, "importa", "Importa i dati dall'archivio anagrafico dei clienti."},
        {btnEmail, "email", "Invia una e-mail all'indirizzo indicato."},
        {btnWhatsApp, "whatsapp", "Invia conferma appuntamento al cliente tramite WhatsApp."},
    };
    for (const auto& command : commands) {
        Look::setCommandPicture(command.command, QLatin1String(command.picture));
        Conventions::setHint(command.command, panInfo, QString::fromUtf8(command.hint));
    }
    Conventions::setHint(chkOttemperata, panInfo,
                         QStringLiteral("Spunta questa casella per indicare che l'impegno è stato assolto."));
    // The background, its shapes and the labels and pictures drawn on them.
    Conventions::clearsHint(this, panInfo);
    Conventions::clearsHint(panContainer, panInfo);
    for (QFrame* shape : panContainer->findChildren<QFrame*>(QRegularExpression(QStringLiteral("^shp"))))
        Conventions::clearsHint(shape, panInfo);
    for (QLabel* label : panContainer->findChildren<QLabel*>())
        if (label != panInfo)
            Conventions::clearsHint(label, panInfo);
}

void TfrmArchivio_Scadenze::FormShow()
{
    cmdNuovoClick();
}

void TfrmArchivio_Scadenze::loadRecord(const TSchedaAppuntamento& scheda, qint64 position)
{
    txtData->setText(scheda.Data);
    txtOreApp->setEditText(scheda.OreApp);
    txtMinutiApp->setEditText(scheda.MinutiApp);
    lblOra->setText(scheda.Ora);
    txtAvviso->setText(scheda.Avviso);
    txtTipologia->setText(scheda.Tipologia);
    txtCausale->setText(scheda.Causale);
    txtDettagli->setText(scheda.Dettagli);
    txtContatto->setText(scheda.Contatto);
    txtTel->setText(scheda.Tel);
    txtCel->setText(scheda.Cel);
    txtEmail->setText(scheda.Email);
    txtLuogo->setText(scheda.Luogo);
    txtImporto->setText(scheda.Importo);
    txtNote->setText(scheda.Note);
    // A flag that is neither value (an older or damaged record) leaves the box as it was.
    if (scheda.Ottemperata == Text::flagYes())
        chkOttemperata->setChecked(true);
    else if (scheda.Ottemperata == Text::flagNo())
        chkOttemperata->setChecked(false);
    lblPosizione->setText(QString::number(position));
}

void TfrmArchivio_Scadenze::showRecordAt(qint64 index)
{
    const auto record = RecordFile::read(archive(), TSchedaAppuntamento::Size, index);
    if (!record) {
        showArchiveError();
        return;
    }
    loadRecord(TSchedaAppuntamento::decode((*record).constData()), index + 1);
}

TSchedaAppuntamento TfrmArchivio_Scadenze::cardRecord() const
{
    // Each field is stored trimmed and cut to its capacity by the record itself.
    TSchedaAppuntamento scheda;
    scheda.Data = txtData->text();
    scheda.OreApp = txtOreApp->currentText();
    scheda.MinutiApp = txtMinutiApp->currentText();
    scheda.Ora = lblOra->text();
    scheda.Avviso = txtAvviso->text();
    scheda.Tipologia = txtTipologia->text();
    scheda.Causale = txtCausale->text();
    scheda.Dettagli = txtDettagli->text();
    scheda.Contatto = txtContatto->text();
    scheda.Tel = txtTel->text();
    scheda.Cel = txtCel->text();
    scheda.Email = txtEmail->text();
    scheda.Luogo = txtLuogo->text();
    scheda.Importo = txtImporto->text();
    scheda.Note = txtNote->text();
    scheda.Ottemperata = chkOttemperata->isChecked() ? Text::flagYes() : Text::flagNo();
    return scheda;
}

void TfrmArchivio_Scadenze::showArchiveError()
{
    Messages::error(this, kArchiveError);
}

void TfrmArchivio_Scadenze::cmdPrimoClick()
{
    const auto count = RecordFile::count(archive(), TSchedaAppuntamento::Size);
    if (!count) {
        showArchiveError();
        return;
    }
    if (*count == 0) {
        Messages::information(this, kEmptyArchive);
        return;
    }
    showRecordAt(0);
}

void TfrmArchivio_Scadenze::cmdUltimoClick()
{
    const auto count = RecordFile::count(archive(), TSchedaAppuntamento::Size);
    if (!count) {
        showArchiveError();
        return;
    }
    if (*count == 0) {
        Messages::information(this, kEmptyArchive);
        return;
    }
    showRecordAt(*count - 1);
}

void TfrmArchivio_Scadenze::cmdAvantiClick()
{
    const auto count = RecordFile::count(archive(), TSchedaAppuntamento::Size);
    if (!count) {
        showArchiveError();
        return;
    }
    // A new card counts as position 0, so "next" shows the first record.
    const qint64 position = Text::trim(lblPosizione->text()).toLongLong();
    if (*count == 0) {
        lblPosizione->clear();
        Messages::information(this, kEmptyArchive);
        return;
    }
    if (position < *count)
        showRecordAt(position);
}

void TfrmArchivio_Scadenze::cmdIndietroClick()
{
    const auto count = RecordFile::count(archive(), TSchedaAppuntamento::Size);
    if (!count) {
        showArchiveError();
        return;
    }
    const QString position = Text::trim(lblPosizione->text());
    if (position == QLatin1String("1"))
        return;
    if (*count == 0) {
        Messages::information(this, kEmptyArchive);
        return;
    }
    // From a new card, "previous" shows the first record too.
    showRecordAt(position.isEmpty() ? 0 : position.toLongLong() - 2);
}

void TfrmArchivio_Scadenze::cmdNuovoClick()
{
    txtData->clear();
    resetListSelection(txtOreApp, QStringLiteral("00"));
    resetListSelection(txtMinutiApp, QStringLiteral("00"));
    txtAvviso->setText(QStringLiteral("0"));
    txtTipologia->clear();
    txtCausale->clear();
    txtDettagli->clear();
    txtContatto->clear();
    txtTel->clear();
    txtCel->clear();
    txtEmail->clear();
    txtLuogo->clear();
    txtImporto->setText(kNoAmount);
    txtNote->clear();
    chkOttemperata->setChecked(false);
    lblPosizione->clear();
    txtData->setFocus(Qt::OtherFocusReason);
}

void TfrmArchivio_Scadenze::cmdDuplicaClick()
{
    if (Text::isBlank(lblPosizione->text())) {
        Messages::warning(this, kDuplicateNew);
        return;
    }
    lblPosizione->clear();
    // The archive is opened now so that a folder without write access is told
    // at once, not only when the copy is saved.
    if (!RecordFile::count(archive(), TSchedaAppuntamento::Size)) {
        showArchiveError();
        return;
    }
    resetListSelection(txtOreApp, QStringLiteral("00"));
    resetListSelection(txtMinutiApp, QStringLiteral("00"));
    txtData->clear();
    txtData->setFocus(Qt::OtherFocusReason);
    Messages::information(this, kDuplicated);
}

void TfrmArchivio_Scadenze::cmdSalvaClick()
{
    // Leaving the field being edited runs its exit rule (amount, hours,
    // minutes, notice days) before anything is read.
    btnFocus->setFocus(Qt::OtherFocusReason);

    const struct {
        QLineEdit* field;
        const char* warning;
    } required[] = {
        {txtData, "Attenzione: per salvare la scheda è necessario indicare la data dell'appuntamento."},
        {txtAvviso, "Attenzione: per salvare la scheda è necessario indicare i giorni di preavviso rispetto alla "
                    "data dell'appuntamento."},
        {txtCausale, "Attenzione: per salvare la scheda è necessario indicare i trattamenti richiesti dal cliente."},
        {txtContatto, "Attenzione: per salvare la scheda è necessario indicare il nome del cliente."},
        {txtCel, "Attenzione: per salvare la scheda è necessario indicare il numero di cellulare del cliente."},
    };
    for (const auto& check : required) {
        if (Text::isBlank(check.field->text())) {
            Messages::warning(this, QString::fromUtf8(check.warning));
            check.field->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    if (Text::isBlank(txtImporto->text()))
        txtImporto->setText(kNoAmount);
    lblOra->setText(Text::trim(txtOreApp->currentText()) + QLatin1Char(':') + Text::trim(txtMinutiApp->currentText()));

    const QByteArray record = cardRecord().encode();
    const QString position = Text::trim(lblPosizione->text());
    if (!position.isEmpty()) {
        const qint64 p = position.toLongLong();
        if (!RecordFile::rewrite(archive(), TSchedaAppuntamento::Size, p - 1, record)) {
            showArchiveError();
            return;
        }
        lblPosizione->setText(QString::number(p));
        Messages::information(this, kRewritten);
        return;
    }
    const auto index = RecordFile::append(archive(), TSchedaAppuntamento::Size, record);
    if (!index) {
        showArchiveError();
        return;
    }
    lblPosizione->setText(QString::number(*index + 1));
    Messages::information(this, kAppended);
}

void TfrmArchivio_Scadenze::cmdTrovaClick()
{
    showModalTagged<TfrmTrovaScadenze>(this, kCallerTag);
}

void TfrmArchivio_Scadenze::cmdAnteprimaClick()
{
    showModal<TfrmStartup>(this);
}

void TfrmArchivio_Scadenze::cmdStampaClick()
{
    showModal<TfrmStampaScadenza>(this);
}

void TfrmArchivio_Scadenze::cmdAssoltiClick()
{
    showModal<TfrmAssolti>(this);
}

void TfrmArchivio_Scadenze::cmdDaAssolvereClick()
{
    showModal<TfrmConfermati>(this);
}

void TfrmArchivio_Scadenze::cmdScadutiClick()
{
    showModal<TfrmScaduti>(this);
}

void TfrmArchivio_Scadenze::cmdEsportaClick()
{
    showModal<TfrmExpScadenzario>(this);
}

void TfrmArchivio_Scadenze::cmdGuidaClick()
{
    Help::open(this, Help::appointments());
}

void TfrmArchivio_Scadenze::cmdEsciClick()
{
    close();
}

void TfrmArchivio_Scadenze::impDataClick()
{
    showModalTagged<TfrmCalendario>(this, kDateTag);
}

void TfrmArchivio_Scadenze::impContattoClick()
{
    showModalTagged<TfrmTrovaClienti>(this, kCallerTag);
}

void TfrmArchivio_Scadenze::btnEmailClick()
{
    TMisc::Open(QLatin1String("\"mailto:") + Text::trim(txtEmail->text()) + QLatin1Char('"'));
}

void TfrmArchivio_Scadenze::btnWhatsAppClick()
{
    if (Text::isBlank(txtData->text())) {
        Messages::warning(this, kWhatsAppDate);
        txtData->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (Text::isBlank(txtCel->text())) {
        Messages::warning(this, kWhatsAppCel);
        txtCel->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString text =
        WhatsApp::confirmationText(txtOreApp->currentText(), txtMinutiApp->currentText(), txtData->text());
    TMisc::Open(WhatsApp::sendAddress(txtCel->text(), text));
}

bool TfrmArchivio_Scadenze::txtDataKeyDown(QKeyEvent* event)
{
    // The date is only chosen in the date picker; it can be emptied here.
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        txtData->clear();
        return true;
    // Leaving the field, or a modifier held on its own, is no request for the picker.
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
        return false;
    default:
        impDataClick();
        return true;
    }
}

bool TfrmArchivio_Scadenze::txtOreAppKeyDown(QKeyEvent* event)
{
    return dropDownKeyDown(event, txtMinutiApp);
}

void TfrmArchivio_Scadenze::txtOreAppCanFocus()
{
    resetListSelection(txtOreApp, txtOreApp->currentText());
}

void TfrmArchivio_Scadenze::txtOreAppExit()
{
    keepListEntry(txtOreApp);
}

bool TfrmArchivio_Scadenze::txtMinutiAppKeyDown(QKeyEvent* event)
{
    return dropDownKeyDown(event, txtAvviso);
}

void TfrmArchivio_Scadenze::txtMinutiAppCanFocus()
{
    resetListSelection(txtMinutiApp, txtMinutiApp->currentText());
}

void TfrmArchivio_Scadenze::txtMinutiAppExit()
{
    keepListEntry(txtMinutiApp);
}

bool TfrmArchivio_Scadenze::txtAvvisoKeyDown(QKeyEvent* event)
{
    if (Conventions::isReturn(event)) {
        txtTipologia->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return Conventions::discardUnlessDigit(event);
}

void TfrmArchivio_Scadenze::txtAvvisoExit()
{
    if (Text::isBlank(txtAvviso->text()))
        txtAvviso->setText(QStringLiteral("0"));
}

bool TfrmArchivio_Scadenze::txtCelKeyDown(QKeyEvent* event)
{
    if (Conventions::isReturn(event)) {
        txtEmail->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return Conventions::discardUnlessDigit(event);
}

void TfrmArchivio_Scadenze::txtEmailTyping()
{
    Conventions::replaceTypedText(txtEmail, Text::trim(txtEmail->text()));
}

bool TfrmArchivio_Scadenze::txtImportoKeyDown(QKeyEvent* event)
{
    if (Conventions::isReturn(event)) {
        txtNote->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return Conventions::discardUnlessDigit(event, QStringLiteral(","));
}

void TfrmArchivio_Scadenze::txtImportoExit()
{
    txtImporto->setText(Amount::normalise(txtImporto->text()));
}
