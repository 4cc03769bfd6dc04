#include "AppointmentTesting.h"
#include "GuiFixture.h"
#include "StatusListsTesting.h"
#include "reportengine/PdfText.h"

#include "appointments/AppointmentLine.h"
#include "appointments/TfrmArchivio_Scadenze.h"
#include "appointments/TfrmTrovaScadenze.h"
#include "reports/SearchCriteria.h"
#include "storage/Cp1252.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace StoredAppointment;

namespace {
const QString kArchive = QStringLiteral("Archivio_Appuntamenti.pro");
const QString kArchiveError = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i privilegi di "
    "scrittura nella cartella di installazione del programma.");

QByteArray appointment(const QByteArray& date, const QByteArray& time, const QByteArray& client,
                       const QByteArray& tel = "06 1234567", const QByteArray& note = "")
{
    return record({{Data, date},
                   {OreApp, time.left(2)},
                   {MinutiApp, time.mid(3)},
                   {Ora, time},
                   {Avviso, "1"},
                   {Tipologia, "Giulia"},
                   {Causale, "Pulizia viso"},
                   {Dettagli, "Con maschera"},
                   {Contatto, client},
                   {Tel, tel},
                   {Cel, "3331234567"},
                   {Email, "cliente@example.it"},
                   {Luogo, "Contanti"},
                   {Importo, "45,00"},
                   {Note, note},
                   {Ottemperata, no}});
}

QString lineOf(const QByteArray& stored)
{
    ListLines lines;
    AppointmentLine::append(lines, 1, stored.constData());
    return lines.line(0);
}

QStringList linesOf(const ListBox* list)
{
    QStringList lines;
    for (qsizetype row = 0; row < list->count(); ++row)
        lines.append(list->line(row));
    return lines;
}

const char* const kBoxes[] = {"txtData",     "txtOra", "txtTipologia", "txtCausale", "txtDettagli",
                              "txtContatto", "txtTel", "txtCel",       "txtLuogo",   "txtNote"};
const char* const kFrames[] = {"effCampo01", "effCampo02", "effCampo09", "effCampo10", "effCampo05",
                               "effCampo06", "effCampo07", "effCampo08", "effCampo03", "effCampo04"};
} // namespace

class AppointmentSearchTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void matching_data();
    void matching();
    void criteriaForm();
    void searchListsMatchesInFileOrder();
    void everyFieldCanBeSearched_data();
    void everyFieldCanBeSearched();
    void blankBoxTakesNoPart();
    void nothingFound();
    void unreadableArchive();
    void doubleClickLoadsTheClickedRecordIntoTheCard();
    void otherCallerGetsNothingWritten();
    void resultsPrinted();

private:
    GuiFixture m_fixture;
    std::unique_ptr<TfrmTrovaScadenze> m_screen;

    QLineEdit* box(const char* name) { return control<QLineEdit>(m_screen.get(), name); }
    void showSearch(const QString& tag)
    {
        m_screen = std::make_unique<TfrmTrovaScadenze>(frmArchivio_Scadenze);
        m_screen->lblMemory->setText(tag);
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
    }
    void search() { QTest::mouseClick(m_screen->btnCerca, Qt::LeftButton); }
};

void AppointmentSearchTest::init()
{
    m_fixture.setUp();
}

void AppointmentSearchTest::cleanup()
{
    m_screen.reset();
    m_fixture.tearDown();
}

void AppointmentSearchTest::matching_data()
{
    // Three boxes searching a client name, a telephone and a date.
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<int>("filled");
    QTest::addColumn<bool>("listed");

    const QStringList rossi{"Rossi Anna", "06 1234567", "12/05/2024"};
    QTest::newRow("nothing filled lists everything") << QStringList{"", "", ""} << rossi << 0 << true;
    QTest::newRow("part of the name") << QStringList{"ross", "", ""} << rossi << 1 << true;
    QTest::newRow("capitals typed") << QStringList{"ROSS", "", ""} << rossi << 1 << true;
    QTest::newRow("another client") << QStringList{"ross", "", ""}
                                    << QStringList{"Bianchi Carla", "06 1234567", "12/05/2024"} << 1 << false;
    QTest::newRow("both filled, both found") << QStringList{"ross", "1234", ""} << rossi << 2 << true;
    QTest::newRow("both filled, telephone not found") << QStringList{"ross", "333", ""} << rossi << 2 << false;
    QTest::newRow("a month of the year") << QStringList{"", "", "05/2024"} << rossi << 1 << true;
    QTest::newRow("another month") << QStringList{"", "", "06/2024"} << rossi << 1 << false;
    QTest::newRow("leading blank at the start of the field") << QStringList{" rossi", "", ""} << rossi << 1 << false;
    QTest::newRow("leading blank inside the field")
        << QStringList{" rossi", "", ""} << QStringList{"Vovuz Rossi", "", ""} << 1 << true;
    QTest::newRow("blanks around are looked for")
        << QStringList{" anna ", "", ""} << QStringList{"Rossi Anna Maria", "", ""} << 1 << true;
    QTest::newRow("blanks around, at the end of the field") << QStringList{" anna ", "", ""} << rossi << 1 << false;
    QTest::newRow("accented capital not folded") << QStringList{QStringLiteral("\u00E8"), "", ""}
                                                 << QStringList{QStringLiteral("\u00C8 Rossi"), "", ""} << 1 << false;
    QTest::newRow("accented letter as stored") << QStringList{QStringLiteral("\u00E8"), "", ""}
                                               << QStringList{QStringLiteral("Ros\u00E8"), "", ""} << 1 << true;
    QTest::newRow("box of blanks only is not filled")
        << QStringList{"", "   ", ""} << QStringList{"Rossi Anna", "06 1234567", ""} << 0 << true;
    // The box of blanks matches a telephone holding such a run, yet may not
    // stand in for the name that is not found.
    QTest::newRow("box of blanks cannot stand in for another")
        << QStringList{"ross", "   ", ""} << QStringList{"Bianchi Carla", "06   1234567", ""} << 1 << false;
    QTest::newRow("control characters count as blanks")
        << QStringList{"\t", "", "\r\n"} << QStringList{"Bianchi\tCarla", "", "\r\n"} << 0 << true;
}

void AppointmentSearchTest::matching()
{
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, fields);
    QFETCH(int, filled);
    QFETCH(bool, listed);
    const SearchCriteria criteria(boxes);
    QCOMPARE(criteria.filledCount(), filled);
    QList<int> asked;
    QCOMPARE(criteria.matches([&](int box) {
        asked.append(box);
        return Cp1252::encode(fields.at(box));
    }),
             listed);
    // Only filled boxes look at their fields.
    for (int box : asked)
        QVERIFY(!boxes.at(box).trimmed().isEmpty());
}

void AppointmentSearchTest::criteriaForm()
{
    showSearch(QStringLiteral("scadenze"));
    QCOMPARE(m_screen->windowTitle(), QStringLiteral(" Trova appuntamenti in archivio"));
    QCOMPARE(m_screen->objectName(), QStringLiteral("frmTrovaScadenze"));
    QVERIFY(m_screen->panAvvio->isVisible());
    QVERIFY(!m_screen->panContainer->isVisible());
    QVERIFY(!m_screen->lblAttendere->isVisible());
    QCOMPARE(m_screen->lblConta->text(), QStringLiteral("0"));
    QCOMPARE(box("txtContatto")->geometry(), QRect(488, 281, 320, 22));
    QCOMPARE(control<QWidget>(m_screen.get(), "effCampo06")->geometry(), QRect(484, 277, 328, 30));

    // Return walks the boxes in their order and comes back to the first;
    // exactly the focused box is framed.
    QTRY_VERIFY(box("txtData")->hasFocus());
    for (int step = 0; step <= 10; ++step) {
        const int at = step % 10;
        QTRY_VERIFY2(box(kBoxes[at])->hasFocus(), kBoxes[at]);
        for (int i = 0; i < 10; ++i)
            QCOMPARE(control<QWidget>(m_screen.get(), kFrames[i])->isVisible(), i == at);
        QTest::keyClick(box(kBoxes[at]), Qt::Key_Return);
    }
    QVERIFY(Messages::shown().isEmpty());
}

void AppointmentSearchTest::searchListsMatchesInFileOrder()
{
    const QList<QByteArray> stored{
        appointment("12/05/2024", "15:30", "Rossi Anna"),   appointment("12/05/2024", "15:30", "Bianchi Carla"),
        appointment("03/06/2024", "15:00", "Rossi Maria"),  appointment("20/05/2024", "16:00", "Grossi Ugo"),
        appointment("28/05/2024", "15:45", "ROSSINI Luca"),
    };
    m_fixture.writeFile(kArchive, archiveOf(stored));
    showSearch(QStringLiteral("scadenze"));
    QTest::keyClicks(box("txtData"), QStringLiteral("05/2024"));
    QTest::keyClicks(box("txtContatto"), QStringLiteral("ross"));
    QTest::keyClicks(box("txtOra"), QStringLiteral("15:"));

    // The wait label shows as soon as the button goes down.
    QTest::mousePress(m_screen->btnCerca, Qt::LeftButton);
    QVERIFY(m_screen->lblAttendere->isVisible());
    QTest::mouseRelease(m_screen->btnCerca, Qt::LeftButton);

    QVERIFY(m_screen->panContainer->isVisible());
    QVERIFY(!m_screen->panAvvio->isVisible());
    QCOMPARE(m_screen->lblConta->text(), QStringLiteral("3"));
    ListBox* list = m_screen->panContainer->lstRecords;
    QCOMPARE(linesOf(list), (QStringList{lineOf(stored[0]), lineOf(stored[4])}));
    QCOMPARE(list->position(0), 1);
    QCOMPARE(list->position(1), 5);
    QCOMPARE(m_screen->panContainer->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 2 schede."));
    QVERIFY(m_screen->panContainer->lblTrovate->isVisible());
    QCOMPARE(m_screen->panContainer->lblRigo03->text(),
             QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda"));
    QCOMPARE(m_screen->panContainer->txtTrova->text(), QString());
    QTRY_VERIFY(m_screen->panContainer->txtTrova->hasFocus());
    const QFont font = list->model()->index(0, 0).data(Qt::FontRole).value<QFont>();
    QCOMPARE(font.family(), QStringLiteral("Courier New"));
    QCOMPARE(font.pointSize(), 12);

    // Find-in-list works on the results.
    QTest::keyClicks(m_screen->panContainer->txtTrova, QStringLiteral("luca"));
    QTest::mouseClick(m_screen->panContainer->btnTrova, Qt::LeftButton);
    QCOMPARE(list->selectedRow(), 1);
    QVERIFY(Messages::shown().isEmpty());
}

void AppointmentSearchTest::everyFieldCanBeSearched_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("criterion");

    QTest::newRow("txtData") << "txtData"
                             << "11/2024";
    QTest::newRow("txtOra") << "txtOra"
                            << "18:1";
    QTest::newRow("txtTipologia") << "txtTipologia"
                                  << "MARTA";
    QTest::newRow("txtCausale") << "txtCausale"
                                << "pedicure";
    QTest::newRow("txtDettagli") << "txtDettagli"
                                 << "smalto";
    QTest::newRow("txtContatto") << "txtContatto"
                                 << "neri";
    QTest::newRow("txtTel") << "txtTel"
                            << "0654";
    QTest::newRow("txtCel") << "txtCel"
                            << "347";
    QTest::newRow("txtLuogo") << "txtLuogo"
                              << "bancomat";
    QTest::newRow("txtNote") << "txtNote"
                             << "allergica";
}

void AppointmentSearchTest::everyFieldCanBeSearched()
{
    QFETCH(QString, box);
    QFETCH(QString, criterion);
    // The second record holds each criterion in its own field only; the first
    // holds every criterion, but in the e-mail and amount, which are not searched.
    const QByteArray everything = "11/2024 18:1 marta pedicure smalto neri 0654 347 bancomat allergica";
    const QByteArray other = record(
        {{Data, "12/05/2024"}, {Ora, "10:30"}, {Email, everything.left(50)}, {Importo, "11/2024"}, {Ottemperata, no}});
    const QByteArray wanted = record({{Data, "05/11/2024"},
                                      {Ora, "18:15"},
                                      {Tipologia, "Marta"},
                                      {Causale, "Pedicure"},
                                      {Dettagli, "Smalto rosso"},
                                      {Contatto, "Neri Ada"},
                                      {Tel, "0654321"},
                                      {Cel, "3471234567"},
                                      {Luogo, "Bancomat"},
                                      {Note, "Allergica al nichel"},
                                      {Ottemperata, yes}});
    m_fixture.writeFile(kArchive, archiveOf({other, wanted}));
    showSearch(QStringLiteral("scadenze"));
    QTest::keyClicks(control<QLineEdit>(m_screen.get(), box.toLatin1().constData()), criterion);
    search();
    QCOMPARE(m_screen->panContainer->lstRecords->count(), 1);
    QCOMPARE(m_screen->panContainer->lstRecords->position(0), 2);
}

void AppointmentSearchTest::blankBoxTakesNoPart()
{
    const QList<QByteArray> stored{appointment("12/05/2024", "10:00", "Rossi Anna", "06   123"),
                                   appointment("12/05/2024", "10:00", "Bianchi Carla", "06   123"),
                                   appointment("12/05/2024", "10:00", "Verdi Luca", "06 123")};
    m_fixture.writeFile(kArchive, archiveOf(stored));
    showSearch(QStringLiteral("scadenze"));
    QTest::keyClicks(box("txtContatto"), QStringLiteral("ross"));
    QTest::keyClicks(box("txtTel"), QStringLiteral("   "));
    search();
    QCOMPARE(m_screen->lblConta->text(), QStringLiteral("1"));
    QCOMPARE(linesOf(m_screen->panContainer->lstRecords), QStringList{lineOf(stored[0])});

    // With nothing but blanks every appointment is listed.
    showSearch(QStringLiteral("scadenze"));
    QTest::keyClicks(box("txtNote"), QStringLiteral("  "));
    search();
    QCOMPARE(m_screen->lblConta->text(), QStringLiteral("0"));
    QCOMPARE(m_screen->panContainer->lstRecords->count(), 3);
    QCOMPARE(m_screen->panContainer->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 3 schede."));
}

void AppointmentSearchTest::nothingFound()
{
    m_fixture.writeFile(kArchive, archiveOf({appointment("12/05/2024", "10:00", "Rossi Anna")}));
    showSearch(QStringLiteral("scadenze"));
    QTest::keyClicks(box("txtContatto"), QStringLiteral("bianchi"));
    search();
    QVERIFY(m_screen->panContainer->isVisible());
    QCOMPARE(m_screen->panContainer->lstRecords->count(), 0);
    QCOMPARE(m_screen->panContainer->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 0 schede."));
    QTest::mouseClick(m_screen->panContainer->btnTrova, Qt::LeftButton);
    QCOMPARE(Messages::shownTexts(),
             QStringList{QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.")});
}

void AppointmentSearchTest::unreadableArchive()
{
    QVERIFY(QDir(m_fixture.path(QString())).mkdir(kArchive));
    showSearch(QStringLiteral("scadenze"));
    QTest::keyClicks(box("txtContatto"), QStringLiteral("rossi"));
    search();
    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(Messages::shown().first().kind, Messages::Kind::Plain);
    QCOMPARE(Messages::shown().first().text, kArchiveError);
    QVERIFY(m_screen->panAvvio->isVisible());
    QVERIFY(!m_screen->panContainer->isVisible());
    QVERIFY(m_screen->lblAttendere->isVisible());
    QCOMPARE(box("txtContatto")->text(), QStringLiteral("rossi"));
}

void AppointmentSearchTest::doubleClickLoadsTheClickedRecordIntoTheCard()
{
    // Records 1 and 3 give the same line and differ in their notes only.
    m_fixture.writeFile(kArchive, archiveOf({appointment("12/05/2024", "10:00", "Rossi Anna", "06 1", "prima"),
                                             appointment("12/05/2024", "10:00", "Bianchi Carla"),
                                             appointment("12/05/2024", "10:00", "Rossi Anna", "06 2", "seconda")}));
    frmArchivio_Scadenze->chkOttemperata->setChecked(true);
    // Opened from the card, which tags the search "scadenze".
    ModalWatch watch([](QDialog* dialog) {
        auto* screen = qobject_cast<TfrmTrovaScadenze*>(dialog);
        QTest::keyClicks(screen->txtContatto, QStringLiteral("rossi"));
        QTest::mouseClick(screen->btnCerca, Qt::LeftButton);
        ListBox* list = screen->panContainer->lstRecords;
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->line(0), list->line(1));
        doubleClickLine(list, 0);
    });
    frmArchivio_Scadenze->cmdTrova->click();
    QVERIFY(watch.seen());
    QCOMPARE(frmArchivio_Scadenze->findChildren<QDialog*>().size(), 0);
    QCOMPARE(frmArchivio_Scadenze->lblPosizione->text(), QStringLiteral("1"));
    QCOMPARE(frmArchivio_Scadenze->txtNote->text(), QStringLiteral("prima"));
    QCOMPARE(frmArchivio_Scadenze->txtTel->text(), QStringLiteral("06 1"));
    QCOMPARE(frmArchivio_Scadenze->txtEmail->text(), QStringLiteral("cliente@example.it"));
    QCOMPARE(frmArchivio_Scadenze->txtLuogo->text(), QStringLiteral("Contanti"));
    QCOMPARE(frmArchivio_Scadenze->txtDettagli->text(), QStringLiteral("Con maschera"));
    QCOMPARE(frmArchivio_Scadenze->txtAvviso->text(), QStringLiteral("1"));
    QVERIFY(!frmArchivio_Scadenze->chkOttemperata->isChecked());
    QVERIFY(Messages::shown().isEmpty());
}

void AppointmentSearchTest::otherCallerGetsNothingWritten()
{
    m_fixture.writeFile(kArchive, archiveOf({appointment("12/05/2024", "10:00", "Rossi Anna")}));
    frmArchivio_Scadenze->txtContatto->setText(QStringLiteral("Bianchi Carla"));
    showSearch(QStringLiteral("clienti"));
    search();
    QCOMPARE(m_screen->panContainer->lstRecords->count(), 1);
    doubleClickLine(m_screen->panContainer->lstRecords, 0);
    QTRY_VERIFY(!m_screen->isVisible());
    QCOMPARE(frmArchivio_Scadenze->txtContatto->text(), QStringLiteral("Bianchi Carla"));
    QCOMPARE(frmArchivio_Scadenze->lblPosizione->text(), QString());
}

void AppointmentSearchTest::resultsPrinted()
{
    Clock::setForTests(QDateTime(QDate(2024, 5, 10), QTime(9, 30)));
    const QList<QByteArray> stored{appointment("12/05/2024", "10:00", "Rossi Anna"),
                                   appointment("13/05/2024", "11:00", "Bianchi Carla")};
    m_fixture.writeFile(kArchive, archiveOf(stored));
    showSearch(QStringLiteral("scadenze"));
    search();
    const QString pdf = m_fixture.path(QStringLiteral("ricerca.pdf"));
    PrintDialog::setNextPdf(pdf);
    QTest::mouseClick(m_screen->panContainer->btnStampa, Qt::LeftButton);
    const QStringList printed{QStringLiteral("Riepilogo appuntamenti in archivio"), simplified(lineOf(stored[0])),
                              simplified(lineOf(stored[1])), QStringLiteral("Stampa eseguita in data 10/05/2024")};
    QCOMPARE(pdfPages(pdf), QStringList{printed.join(QLatin1Char('\n'))});
    QVERIFY(Messages::shown().isEmpty());
}

QTEST_MAIN(AppointmentSearchTest)
#include "AppointmentSearchTest.moc"
