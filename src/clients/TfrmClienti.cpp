#include "clients/TfrmClienti.h"

#include "app/Conventions.h"
#include "app/Help.h"
#include "app/Look.h"
#include "app/Messages.h"
#include "app/TMisc.h"
#include "app/Text.h"
#include "checks/TfrmCarta.h"
#include "checks/TfrmCodFisc.h"
#include "checks/TfrmIban.h"
#include "checks/TfrmPartitaIva.h"
#include "clients/ClientFieldRules.h"
#include "clients/TfrmAllegaCartella.h"
#include "clients/TfrmAllegaExcel.h"
#include "clients/TfrmExpClienti.h"
#include "clients/TfrmRicontatta.h"
#include "clients/TfrmTrovaClienti.h"
#include "storage/RecordFile.h"

TfrmClienti* frmClienti = nullptr;

using Field = TSchedaCliente::Field;
using ClientNavigation::Command;

namespace {
const QString kEmptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kArchiveFailure =
    QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
                   "privilegi di scrittura nella cartella di installazione del programma.");
const QString kNameRequired =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome del cliente.");
const QString kMobileRequired =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il numero di cellulare del cliente.");
const QString kRewritten =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kAppended = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString kDuplicateNeedsStored = QStringLiteral(
    "Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è stata inserita in archivio.");
const QString kDuplicated =
    QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\rAl termine premere "
                   "Salva per inserire la scheda in archivio.");
const QString kTreatmentsNeedStored = QStringLiteral("Attenzione: lo storico dei trattamenti può essere "
                                                     "visualizzato soltanto dopo aver salvato la scheda del cliente.");
const QString kTreatmentsNeedName = QStringLiteral(
    "Attenzione: per visualizzare lo storico dei trattamenti è necessario indicare il nome del cliente.");
const QString kCallerTag = QStringLiteral("clienti");

constexpr int kEditFields = 29;

Field fieldAt(int index)
{
    return static_cast<Field>(index);
}

QString archive()
{
    return TSchedaCliente::fileName();
}
} // namespace

TfrmClienti::TfrmClienti(QWidget* parent) : TopLevelScreen(parent)
{
    setupUi(this);
    setCentredPanel(panContainer);
    drawLook();

    m_fields = {txtCliente,      txtDataNasc,   txtComuneNasc, txtProvNasc,  txtSesso,       txtRecapito,
                txtIndirizzoRes, txtProvRes,    txtComuneRes,  txtCapRes,    txtEstremi,     txtTelCasa,
                txtTelUff,       txtTelCel,     txtFax,        txtEmail,     txtCodFisc,     txtCarta,
                txtScadeCarta,   txtPartitaIva, txtIban,       txtDocumento, txtOccupazione, txtCivile,
                txtTitoli,       txtProdotti,   txtZona,       txtQuestioni, txtNote};
    m_attachments = {lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03};

    for (int i = 0; i < kEditFields; ++i)
        edit(fieldAt(i))->setMaxLength(TSchedaCliente::spec(fieldAt(i)).capacity);
    for (QComboBox* province : {txtProvNasc, txtProvRes})
        province->addItems(ClientFieldRules::provinceCodes());

    bindFieldRules();
    bindHints();

    connect(cmdPrimo, &QToolButton::clicked, this, &TfrmClienti::cmdPrimoClick);
    connect(cmdIndietro, &QToolButton::clicked, this, &TfrmClienti::cmdIndietroClick);
    connect(cmdAvanti, &QToolButton::clicked, this, &TfrmClienti::cmdAvantiClick);
    connect(cmdUltimo, &QToolButton::clicked, this, &TfrmClienti::cmdUltimoClick);
    connect(cmdNuovo, &QToolButton::clicked, this, &TfrmClienti::cmdNuovoClick);
    connect(cmdSalva, &QToolButton::clicked, this, &TfrmClienti::cmdSalvaClick);
    connect(cmdDuplica, &QToolButton::clicked, this, &TfrmClienti::cmdDuplicaClick);
    connect(btnProve, &QToolButton::clicked, this, &TfrmClienti::btnProveClick);
    connect(btnCodFisc, &QToolButton::clicked, this, &TfrmClienti::btnCodFiscClick);
    connect(btnPartitaIva, &QToolButton::clicked, this, &TfrmClienti::btnPartitaIvaClick);
    connect(btnCarta, &QToolButton::clicked, this, &TfrmClienti::btnCartaClick);
    connect(btnIban, &QToolButton::clicked, this, &TfrmClienti::btnIbanClick);
    connect(btnEmail, &QToolButton::clicked, this, &TfrmClienti::btnEmailClick);
    connect(cmdFile, &QToolButton::clicked, this, &TfrmClienti::cmdFileClick);
    connect(cmdTrova, &QToolButton::clicked, this, &TfrmClienti::cmdTrovaClick);
    connect(cmdAnteprima, &QToolButton::clicked, this, &TfrmClienti::cmdAnteprimaClick);
    connect(cmdStampa, &QToolButton::clicked, this, &TfrmClienti::cmdStampaClick);
    connect(cmdPDF, &QToolButton::clicked, this, &TfrmClienti::cmdPDFClick);
    connect(cmdRicontatta, &QToolButton::clicked, this, &TfrmClienti::cmdRicontattaClick);
    connect(cmdEsporta, &QToolButton::clicked, this, &TfrmClienti::cmdEsportaClick);
    connect(cmdGuida, &QToolButton::clicked, this, &TfrmClienti::cmdGuidaClick);
    connect(cmdEsci, &QToolButton::clicked, this, &TfrmClienti::cmdEsciClick);
}

void TfrmClienti::drawLook()
{
    Look::setGradient(this, Look::steelBlue);
    Look::setSection(shpSfondo, Look::greyBlue, 10);
    for (QWidget* section : {shpSezione01, shpSezione02, shpSezione03, shpSezione04, shpSezione05, shpSezione06})
        Look::setSection(section, Look::lightSection, 6);
    Look::setSection(shpComandi, Qt::white, 6);
    Look::setSection(shpNavigazione, Qt::white, 6);
    Look::setSection(shpInfo, Look::infoBar, 6);
    Look::setPicture(imgLogo, QStringLiteral("logo"));
    const std::pair<QToolButton*, const char*> pictures[] = {
        {cmdNuovo, "nuovo"},           {cmdDuplica, "duplica"},
        {cmdFile, "allegati"},         {cmdSalva, "salva"},
        {cmdTrova, "trova"},           {cmdAnteprima, "anteprima"},
        {cmdStampa, "stampa"},         {cmdPDF, "pdf"},
        {cmdRicontatta, "ricontatta"}, {cmdEsporta, "esporta"},
        {cmdGuida, "guida"},           {cmdEsci, "esci"},
        {cmdPrimo, "primo"},           {cmdIndietro, "precedente"},
        {cmdAvanti, "successivo"},     {cmdUltimo, "ultimo"},
        {btnEmail, "email"},           {btnCodFisc, "controlla"},
        {btnCarta, "controlla"},       {btnPartitaIva, "controlla"},
        {btnIban, "controlla"},        {btnProve, "trattamenti"},
    };
    for (const auto& [command, picture] : pictures)
        Look::setCommandPicture(command, QLatin1String(picture));
}

void TfrmClienti::bindFieldRules()
{
    // Return follows the field order and wraps from the notes to the name;
    // the check box is not part of the ring.
    Conventions::returnRing(m_fields);

    for (int i = 0; i < kEditFields; ++i) {
        QWidget* field = m_fields.at(i);
        QLineEdit* text = edit(fieldAt(i));
        auto* frame = panContainer->findChild<FocusFrame*>(QLatin1String("eff") + field->objectName().mid(3));
        Q_ASSERT(frame);
        Conventions::bindFocusFrame(field, frame);

        const ClientFieldRules::Rule rule = ClientFieldRules::rule(fieldAt(i));
        if (rule.digitsOnly)
            Conventions::onKeyDown(field, [](QKeyEvent* event) { return Conventions::discardUnlessDigit(event); });
        if (rule.whileTyping != ClientFieldRules::Transform::None)
            connect(text, &QLineEdit::textEdited, this, [text, transform = rule.whileTyping] {
                Conventions::replaceTypedText(text, ClientFieldRules::apply(transform, text->text()));
            });
        if (rule.onKeyUp != ClientFieldRules::Transform::None)
            Conventions::onKeyUp(field, [text, transform = rule.onKeyUp](QKeyEvent*) {
                Conventions::replaceTypedText(text, ClientFieldRules::apply(transform, text->text()));
            });
        if (rule.onExit != ClientFieldRules::Transform::None)
            Conventions::onExit(field, [text, transform = rule.onExit] {
                Conventions::replaceTypedText(text, ClientFieldRules::apply(transform, text->text()));
            });
    }
    for (QComboBox* province : {txtProvNasc, txtProvRes})
        Conventions::onEnter(province, [this, province] { provinceCanFocus(province); });
}

void TfrmClienti::bindHints()
{
    const std::pair<QWidget*, const char*> hints[] = {
        {cmdNuovo, "Prepara la schermata per la registrazione di una nuova scheda."},
        {cmdDuplica, "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
        {cmdFile, "Allega file alla scheda corrente."},
        {cmdSalva, "Salva la scheda corrente in archivio."},
        {cmdTrova, "Trova una scheda in archivio."},
        {cmdAnteprima, "Visualizza l'anteprima di stampa."},
        {cmdStampa, "Stampa la scheda corrente."},
        {cmdPDF, "Esporta la scheda in formato PDF."},
        {cmdRicontatta, "Visualizza il riepilogo delle persone da ricontattare."},
        {cmdEsporta, "Esporta le schede in archivio in un file di Microsoft Excel."},
        {cmdGuida, "Visualizza la guida in linea."},
        {cmdEsci, "Esci dalla schermata di lavoro corrente."},
        {cmdPrimo, "Visualizza la prima scheda in archivio."},
        {cmdIndietro, "Visualizza la scheda precedente in archivio."},
        {cmdAvanti, "Visualizza la scheda successiva in archivio."},
        {cmdUltimo, "Visualizza l'ultima scheda in archivio."},
        {btnEmail, "Invia una e-mail all'indirizzo indicato."},
        {btnCodFisc, "Controlla il codice fiscale."},
        {btnCarta, "Controlla il numero di carta di credito."},
        {btnPartitaIva, "Controlla il numero di partita IVA."},
        {btnIban, "Controlla l'IBAN."},
        {btnProve, "Visualizza il riepilogo storico dei trattamenti del cliente."},
        {chkRicontatta, "Annota che il cliente è da ricontattare per questioni in sospeso."},
    };
    for (const auto& [command, hint] : hints)
        Conventions::setHint(command, panInfo, QString::fromUtf8(hint));
    // The background, its sections and decorations empty the status line.
    const QList<QWidget*> surfaces = {this,         panContainer,   shpSfondo,    shpSezione01, shpSezione02,
                                      shpSezione03, shpSezione04,   shpSezione05, shpSezione06, shpComandi,
                                      shpInfo,      shpNavigazione, lblSezione01, lblSezione02, lblSezione03,
                                      lblSezione04, lblSezione05,   lblSezione06, imgLogo};
    for (QWidget* surface : surfaces)
        Conventions::clearsHint(surface, panInfo);
}

QLineEdit* TfrmClienti::edit(Field field) const
{
    QWidget* control = m_fields.at(static_cast<int>(field));
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->lineEdit();
    return static_cast<QLineEdit*>(control);
}

void TfrmClienti::provinceCanFocus(QComboBox* province)
{
    const QString text = province->currentText();
    province->setCurrentIndex(-1);
    province->setEditText(text);
}

void TfrmClienti::loadRecord(const TSchedaCliente& record, qint64 position)
{
    for (int i = 0; i < kEditFields; ++i)
        edit(fieldAt(i))->setText(Text::trim(record[fieldAt(i)]));
    const QString flag = Text::trim(record.Ricontatta);
    if (flag == Text::flagYes())
        chkRicontatta->setChecked(true);
    else if (flag == Text::flagNo())
        chkRicontatta->setChecked(false);
    for (int i = 0; i < m_attachments.size(); ++i)
        m_attachments.at(i)->setText(Text::trim(record[fieldAt(int(Field::File01) + i)]));
    lblPosizione->setText(QString::number(position));
}

TSchedaCliente TfrmClienti::recordFromCard() const
{
    TSchedaCliente record;
    for (int i = 0; i < kEditFields; ++i)
        record[fieldAt(i)] = edit(fieldAt(i))->text();
    record.Ricontatta = chkRicontatta->isChecked() ? Text::flagYes() : Text::flagNo();
    for (int i = 0; i < m_attachments.size(); ++i)
        record[fieldAt(int(Field::File01) + i)] = m_attachments.at(i)->text();
    return record;
}

void TfrmClienti::FormShow()
{
    cmdNuovoClick();
}

void TfrmClienti::navigate(Command command)
{
    const auto count = RecordFile::count(archive(), TSchedaCliente::Size);
    if (!count) {
        Messages::error(this, kArchiveFailure);
        return;
    }
    const ClientNavigation::Step step = ClientNavigation::step(command, lblPosizione->text(), *count);
    switch (step.outcome) {
    case ClientNavigation::Step::Outcome::Stay:
        return;
    case ClientNavigation::Step::Outcome::Empty:
        if (step.clearsPosition)
            lblPosizione->clear();
        Messages::information(this, kEmptyArchive);
        return;
    case ClientNavigation::Step::Outcome::Show:
        break;
    }
    const auto record = RecordFile::read(archive(), TSchedaCliente::Size, step.position - 1);
    if (!record) {
        Messages::error(this, kArchiveFailure);
        return;
    }
    loadRecord(TSchedaCliente::decode((*record).constData()), step.position);
}

void TfrmClienti::cmdPrimoClick()
{
    navigate(Command::First);
}

void TfrmClienti::cmdIndietroClick()
{
    navigate(Command::Previous);
}

void TfrmClienti::cmdAvantiClick()
{
    navigate(Command::Next);
}

void TfrmClienti::cmdUltimoClick()
{
    navigate(Command::Last);
}

void TfrmClienti::cmdNuovoClick()
{
    for (int i = 0; i < kEditFields; ++i)
        edit(fieldAt(i))->clear();
    for (QComboBox* province : {txtProvNasc, txtProvRes})
        province->setCurrentIndex(-1);
    chkRicontatta->setChecked(false);
    for (QLabel* attachment : std::as_const(m_attachments))
        attachment->clear();
    lblPosizione->clear();
    txtCliente->setFocus(Qt::OtherFocusReason);
}

void TfrmClienti::cmdSalvaClick()
{
    if (Text::isBlank(txtCliente->text())) {
        Messages::warning(this, kNameRequired);
        txtCliente->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (Text::isBlank(txtTelCel->text())) {
        Messages::warning(this, kMobileRequired);
        txtTelCel->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QByteArray record = recordFromCard().encode();
    if (lblPosizione->text().isEmpty()) {
        const auto index = RecordFile::append(archive(), TSchedaCliente::Size, record);
        if (!index) {
            Messages::error(this, kArchiveFailure);
            return;
        }
        lblPosizione->setText(QString::number(*index + 1));
        Messages::information(this, kAppended);
        return;
    }
    const qint64 position = lblPosizione->text().toLongLong();
    if (!RecordFile::rewrite(archive(), TSchedaCliente::Size, position - 1, record)) {
        Messages::error(this, kArchiveFailure);
        return;
    }
    Messages::information(this, kRewritten);
}

void TfrmClienti::cmdDuplicaClick()
{
    if (lblPosizione->text().isEmpty()) {
        Messages::warning(this, kDuplicateNeedsStored);
        return;
    }
    // The copy keeps the visible fields; attachments and treatments stay with the original.
    for (QLabel* attachment : std::as_const(m_attachments))
        attachment->clear();
    lblPosizione->clear();
    if (!RecordFile::count(archive(), TSchedaCliente::Size)) {
        Messages::error(this, kArchiveFailure);
        return;
    }
    txtCliente->setFocus(Qt::OtherFocusReason);
    Messages::information(this, kDuplicated);
}

void TfrmClienti::btnProveClick()
{
    if (lblPosizione->text().isEmpty()) {
        Messages::warning(this, kTreatmentsNeedStored);
        return;
    }
    if (Text::isBlank(txtCliente->text())) {
        Messages::warning(this, kTreatmentsNeedName);
        txtCliente->setFocus(Qt::OtherFocusReason);
        return;
    }
    TfrmAllegaExcel treatments(this);
    treatments.exec();
}

void TfrmClienti::btnCodFiscClick()
{
    const QString code = Text::trim(txtCodFisc->text());
    if (ClientFieldRules::isCompanyFiscalCode(code)) {
        openVatNumberCheck(code);
        return;
    }
    TfrmCodFisc check(this);
    check.txtCodFisc->setText(code);
    check.exec();
}

void TfrmClienti::btnPartitaIvaClick()
{
    openVatNumberCheck(Text::trim(txtPartitaIva->text()));
}

void TfrmClienti::openVatNumberCheck(const QString& number)
{
    TfrmPartitaIva check(this);
    check.txtPartitaIva->setText(number);
    check.exec();
}

void TfrmClienti::btnCartaClick()
{
    TfrmCarta check(this);
    check.txtNumero->setText(Text::trim(txtCarta->text()));
    check.exec();
}

void TfrmClienti::btnIbanClick()
{
    TfrmIban check(this);
    check.txtIban->setText(Text::trim(txtIban->text()));
    check.exec();
}

void TfrmClienti::btnEmailClick()
{
    TMisc::Open(QLatin1String("\"mailto:") + Text::trim(txtEmail->text()) + QLatin1Char('"'));
}

void TfrmClienti::cmdFileClick()
{
    TfrmAllegaCartella attachments(this);
    attachments.lblMemory->setText(kCallerTag);
    // The dialog's slots in the order of the card's hidden labels.
    QLineEdit* const slots[] = {attachments.txtFile01, attachments.txtFile02, attachments.txtFile03,
                                attachments.txtDesc01, attachments.txtDesc02, attachments.txtDesc03};
    for (int i = 0; i < m_attachments.size(); ++i)
        slots[i]->setText(Text::trim(m_attachments.at(i)->text()));
    attachments.exec();
}

void TfrmClienti::cmdTrovaClick()
{
    TfrmTrovaClienti search(this);
    search.lblMemory->setText(kCallerTag);
    search.exec();
}

void TfrmClienti::cmdAnteprimaClick()
{
    repScheda.preview(recordFromCard(), this);
}

void TfrmClienti::cmdStampaClick()
{
    repScheda.print(recordFromCard(), this);
}

void TfrmClienti::cmdPDFClick()
{
    repScheda.exportPdf(recordFromCard(), this);
}

void TfrmClienti::cmdRicontattaClick()
{
    TfrmRicontatta recontact(this);
    recontact.exec();
}

void TfrmClienti::cmdEsportaClick()
{
    TfrmExpClienti exporter(this);
    exporter.exec();
}

void TfrmClienti::cmdGuidaClick()
{
    Help::open(this, Help::clients());
}

void TfrmClienti::cmdEsciClick()
{
    close();
}
