#include "GuiFixture.h"
#include "reportengine/PdfText.h"

#include "clients/ClientSheet.h"
#include "clients/ClientSheetContent.h"
#include "clients/TfrmClienti.h"
#include "storage/TSchedaCliente.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QToolButton>

namespace {
const QString kPdf = QStringLiteral("Contatto.pdf");
const QString kAskOpen =
    QStringLiteral("L'esportazione della scheda in PDF \u00E8 terminata con successo.\r\n\r\nSi vuole aprire il file?");
const QDateTime kNow(QDate(2024, 5, 10), QTime(9, 30, 15));

const QStringList kCaptions{"Cognome e nome:",
                            "Data di nascita:",
                            "Comune di nascita:",
                            "Sesso:",
                            "Tel. preferenziale:",
                            "Indirizzo di residenza:",
                            "Comune di residenza:",
                            "Modalit\u00E0 pagamento:",
                            "Tel. casa:",
                            "Tel. ufficio:",
                            "Tel. cellulare:",
                            "PEC:",
                            "E-mail:",
                            "Codice fiscale:",
                            "Partita IVA:",
                            "Carta di credito:",
                            "IBAN:",
                            "Estremi documento:",
                            "Occupazione:",
                            "Titoli e qualifiche:",
                            "Prodotti e servizi:",
                            "Zona:",
                            "Questioni in sospeso:",
                            "Note:"};

// The card's controls for a client, some of them typed with blanks around.
void fillCard()
{
    frmClienti->txtCliente->setText(QStringLiteral("  Rossi Anna "));
    frmClienti->txtDataNasc->setText(QStringLiteral("01/02/1980"));
    frmClienti->txtComuneNasc->setText(QStringLiteral("Roma "));
    frmClienti->txtProvNasc->setEditText(QStringLiteral("RM"));
    frmClienti->txtSesso->setText(QStringLiteral("F"));
    frmClienti->txtRecapito->setText(QStringLiteral("06 1234567"));
    frmClienti->txtIndirizzoRes->setText(QStringLiteral("Via Appia 1"));
    frmClienti->txtComuneRes->setText(QStringLiteral("Frascati"));
    frmClienti->txtProvRes->setEditText(QString());
    frmClienti->txtCapRes->setText(QStringLiteral("00044"));
    frmClienti->txtEstremi->setText(QStringLiteral("Contanti"));
    frmClienti->txtTelCasa->setText(QStringLiteral("06 7654321"));
    frmClienti->txtTelUff->setText(QStringLiteral("06 1111111"));
    frmClienti->txtTelCel->setText(QStringLiteral("333 1234567"));
    frmClienti->txtFax->setText(QStringLiteral("anna@pec.it"));
    frmClienti->txtEmail->setText(QStringLiteral("anna@example.it"));
    frmClienti->txtCodFisc->setText(QStringLiteral("RSSNNA80B41H501X"));
    frmClienti->txtCarta->setText(QStringLiteral("4111111111111111"));
    frmClienti->txtScadeCarta->setText(QStringLiteral("12/27"));
    frmClienti->txtPartitaIva->setText(QStringLiteral("01234567890"));
    frmClienti->txtIban->setText(QStringLiteral("IT60X0542811101000000123456"));
    frmClienti->txtDocumento->setText(QStringLiteral("CI AB1234567"));
    frmClienti->txtOccupazione->setText(QStringLiteral("Insegnante"));
    frmClienti->txtCivile->setText(QStringLiteral("Coniugata"));
    frmClienti->txtTitoli->setText(QStringLiteral("Laurea"));
    frmClienti->txtProdotti->setText(QStringLiteral("Manicure"));
    frmClienti->txtZona->setText(QStringLiteral("Centro"));
    frmClienti->txtQuestioni->setText(QStringLiteral("Preventivo [da fare]"));
    frmClienti->txtNote->setText(QStringLiteral("Allergia al nichel"));
}

// The page as pdftotext reads it, for the card of fillCard(), with row 22's caption.
QStringList filledPage(const QString& zoneCaption)
{
    return {QStringLiteral("SCHEDA ANAGRAFICA CLIENTE"),
            QStringLiteral("Cognome e nome: Rossi Anna"),
            QStringLiteral("Data di nascita: 01/02/1980"),
            QStringLiteral("Comune di nascita: Roma RM"),
            QStringLiteral("Sesso: F"),
            QStringLiteral("Tel. preferenziale: 06 1234567"),
            QStringLiteral("Indirizzo di residenza: Via Appia 1"),
            QStringLiteral("Comune di residenza: Frascati"),
            QStringLiteral("Modalit\u00E0 pagamento: Contanti"),
            QStringLiteral("Tel. casa: 06 7654321"),
            QStringLiteral("Tel. ufficio: 06 1111111"),
            QStringLiteral("Tel. cellulare: 333 1234567"),
            QStringLiteral("PEC: anna@pec.it"),
            QStringLiteral("E-mail: anna@example.it"),
            QStringLiteral("Codice fiscale: RSSNNA80B41H501X"),
            QStringLiteral("Partita IVA: 01234567890"),
            QStringLiteral("Carta di credito: N. 4111111111111111 - Scadenza: 12/27"),
            QStringLiteral("IBAN: IT60X0542811101000000123456"),
            QStringLiteral("Estremi documento: CI AB1234567"),
            QStringLiteral("Occupazione: Insegnante"),
            QStringLiteral("Titoli e qualifiche: Laurea"),
            QStringLiteral("Prodotti e servizi: Manicure"),
            zoneCaption + QStringLiteral(" Centro"),
            QStringLiteral("Questioni in sospeso: Preventivo [da fare]"),
            QStringLiteral("Note: Allergia al nichel"),
            QStringLiteral("Stampa eseguita in data 10/05/2024 alle ore 09:30:15")};
}

QString pdfInfo(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace

class ClientPrintTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { m_fixture.tearDown(); }

    void rowsJoinTrimmedParts();
    void pdfOfTheCard();
    void pdfReplacedWithoutDialogAndNotOpenedOnNo();
    void pdfThatCannotBeWrittenAsksNothing();
    void printedAndPreviewedWithTheShortZoneCaption();
    void emptyCardPrintsEveryCaption();

private:
    GuiFixture m_fixture;
};

void ClientPrintTest::init()
{
    m_fixture.setUp();
    Clock::setForTests(kNow);
}

void ClientPrintTest::rowsJoinTrimmedParts()
{
    TSchedaCliente card;
    card.ComuneNasc = QStringLiteral(" Roma ");
    card.ComuneRes = QStringLiteral("Frascati");
    card.ProvRes = QStringLiteral(" RM");
    card.Carta = QStringLiteral(" 4111 ");
    card.Zona = QStringLiteral("\tCentro ");
    const QList<ClientSheetContent::Row> paper = ClientSheetContent::rows(card, ClientSheetContent::Output::Paper);
    QCOMPARE(paper.size(), ClientSheetContent::RowCount);
    QCOMPARE(paper.at(2).value, QStringLiteral("Roma "));
    QCOMPARE(paper.at(6).value, QStringLiteral("Frascati RM"));
    QCOMPARE(paper.at(15).value, QStringLiteral("N. 4111  -  Scadenza: "));
    QCOMPARE(paper.at(21).value, QStringLiteral("Centro"));
    QStringList captions;
    for (const ClientSheetContent::Row& row : paper)
        captions.append(row.caption);
    QCOMPARE(captions, kCaptions);

    const QList<ClientSheetContent::Row> pdf = ClientSheetContent::rows(card, ClientSheetContent::Output::Pdf);
    QCOMPARE(pdf.at(21).caption, QStringLiteral("Zona di appartenenza:"));
    captions[21] = pdf.at(21).caption;
    for (int i = 0; i < pdf.size(); ++i)
        QCOMPARE(pdf.at(i).caption, captions.at(i));

    const QList<ClientSheetContent::Row> empty =
        ClientSheetContent::rows(TSchedaCliente(), ClientSheetContent::Output::Paper);
    QCOMPARE(empty.at(2).value, QStringLiteral(" "));
    QCOMPARE(empty.at(6).value, QStringLiteral(" "));
    QCOMPARE(empty.at(15).value, QStringLiteral("N.   -  Scadenza: "));
    QCOMPARE(ClientSheetContent::footer(QDateTime(QDate(2024, 1, 2), QTime(7, 5, 3))),
             QStringLiteral("Stampa eseguita in data 02/01/2024 alle ore 07:05:03"));
}

void ClientPrintTest::pdfOfTheCard()
{
    fillCard();
    Messages::queueAnswer(true);
    frmClienti->cmdPDF->click();

    const QString path = m_fixture.path(kPdf);
    QCOMPARE(Messages::shownTexts(), QStringList{kAskOpen});
    QCOMPARE(Messages::shown().first().kind, Messages::Kind::Confirmation);
    QCOMPARE(QDir::cleanPath(TMisc::opened().value(0)), QDir::cleanPath(path));
    QCOMPARE(TMisc::opened().size(), 1);

    const QStringList pages = pdfPages(path);
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages.first().split(QLatin1Char('\n')), filledPage(QStringLiteral("Zona di appartenenza:")));
    const QString info = pdfInfo(path);
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title: +Scheda informativa\n"))), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Creator: +Brivanta Software\n"))), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size: +595[.0-9]* x 84[12][.0-9]* pts \\(A4\\)"))),
             qPrintable(info));
    // The card is printed as it stands: nothing was stored.
    QVERIFY(!QFile::exists(m_fixture.path(QStringLiteral("Contatti.pro"))));
}

void ClientPrintTest::pdfReplacedWithoutDialogAndNotOpenedOnNo()
{
    fillCard();
    Messages::queueAnswer(false);
    frmClienti->cmdPDF->click();
    frmClienti->txtCliente->setText(QStringLiteral("Bianchi Carla"));
    Messages::queueAnswer(false);
    frmClienti->cmdPDF->click();

    QCOMPARE(Messages::shownTexts(), (QStringList{kAskOpen, kAskOpen}));
    QVERIFY(TMisc::opened().isEmpty());
    QCOMPARE(QDir(m_fixture.path(QString())).entryList({QStringLiteral("*.pdf")}, QDir::Files), QStringList{kPdf});
    const QStringList lines = pdfPages(m_fixture.path(kPdf)).value(0).split(QLatin1Char('\n'));
    QCOMPARE(lines.value(1), QStringLiteral("Cognome e nome: Bianchi Carla"));
}

void ClientPrintTest::pdfThatCannotBeWrittenAsksNothing()
{
    // Something that cannot be replaced stands where the file goes: the
    // engine says so, and the question to open the file is not asked.
    QVERIFY(QDir(m_fixture.path(QString())).mkdir(kPdf));
    fillCard();
    frmClienti->cmdPDF->click();
    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(Messages::shown().first().kind, Messages::Kind::Error);
    QVERIFY(!Messages::shownTexts().contains(kAskOpen));
    QVERIFY(TMisc::opened().isEmpty());
}

void ClientPrintTest::printedAndPreviewedWithTheShortZoneCaption()
{
    fillCard();
    const QString printed = m_fixture.path(QStringLiteral("stampa.pdf"));
    PrintDialog::setNextPdf(printed);
    frmClienti->cmdStampa->click();
    QCOMPARE(pdfPages(printed), QStringList{filledPage(QStringLiteral("Zona:")).join(QLatin1Char('\n'))});

    const QString previewed = m_fixture.path(QStringLiteral("anteprima.pdf"));
    PrintDialog::setNextPdf(previewed);
    frmClienti->cmdAnteprima->click();
    QCOMPARE(PrintDialog::previewCount(), 1);
    QCOMPARE(pdfPages(previewed), QStringList{filledPage(QStringLiteral("Zona:")).join(QLatin1Char('\n'))});

    // A cancelled print dialog prints nothing.
    frmClienti->cmdStampa->click();
    QVERIFY(!QFile::exists(m_fixture.path(kPdf)));
    QVERIFY(Messages::shown().isEmpty());
}

void ClientPrintTest::emptyCardPrintsEveryCaption()
{
    frmClienti->cmdNuovo->click();
    const QString printed = m_fixture.path(QStringLiteral("vuota.pdf"));
    PrintDialog::setNextPdf(printed);
    frmClienti->cmdStampa->click();

    QStringList expected{QStringLiteral("SCHEDA ANAGRAFICA CLIENTE")};
    for (const QString& caption : kCaptions)
        expected.append(caption == QLatin1String("Carta di credito:")
                            ? QStringLiteral("Carta di credito: N. - Scadenza:")
                            : caption);
    expected.append(QStringLiteral("Stampa eseguita in data 10/05/2024 alle ore 09:30:15"));
    QCOMPARE(pdfPages(printed), QStringList{expected.join(QLatin1Char('\n'))});
}

QTEST_MAIN(ClientPrintTest)
#include "ClientPrintTest.moc"
