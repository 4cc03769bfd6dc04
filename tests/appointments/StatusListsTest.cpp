#include "AppointmentTesting.h"
#include "GuiFixture.h"
#include "StatusListsTesting.h"
#include "reportengine/PdfText.h"

#include "app/Screen.h"
#include "appointments/AppointmentLine.h"
#include "appointments/StatusList.h"
#include "appointments/TfrmArchivio_Scadenze.h"
#include "appointments/TfrmAssolti.h"
#include "appointments/TfrmConfermati.h"
#include "appointments/TfrmScaduti.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace StoredAppointment;

namespace {
const QString kArchive = QStringLiteral("Archivio_Appuntamenti.pro");
const QDate kToday(2024, 5, 10);

// An appointment of client on date with flag, and a note to tell apart records
// that give the same line.
QByteArray appointment(const QByteArray& date, const QByteArray& flag, const QByteArray& client = "Rossi Anna",
                       const QByteArray& note = "")
{
    return record({{Data, date},
                   {OreApp, "10"},
                   {MinutiApp, "30"},
                   {Ora, "10:30"},
                   {Avviso, "2"},
                   {Tipologia, "Giulia"},
                   {Causale, "Manicure"},
                   {Contatto, client},
                   {Cel, "3331234567"},
                   {Importo, "25,00"},
                   {Note, note},
                   {Ottemperata, flag}});
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
} // namespace

class StatusListsTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void selectionAroundToday_data();
    void selectionAroundToday();
    void lineColumns_data();
    void lineColumns();
    void listsInFileOrderWithTheirTitles();
    void undatedRecordLeftOutOfTheExpiredList();
    void missingArchiveGivesEmptyLists();
    void unreadableArchiveGivesAnEmptyListSilently();
    void doubleClickLoadsTheClickedRecord();
    void doubleClickOnAFulfilledLineKeepsItsRecord();
    void recordGoneMeanwhileClosesSilently();
    void findInTheList();
    void listPrintedOnLandscapeA4();

private:
    GuiFixture m_fixture;

    // A list screen of the card, shown and loaded.
    template <class Screen> std::unique_ptr<Screen> shown()
    {
        auto screen = std::make_unique<Screen>(frmArchivio_Scadenze);
        screen->show();
        if (!QTest::qWaitForWindowExposed(screen.get()))
            qWarning("list screen not exposed");
        return screen;
    }
};

void StatusListsTest::init()
{
    m_fixture.setUp();
    Clock::setForTests(QDateTime(kToday, QTime(9, 30)));
}

void StatusListsTest::cleanup()
{
    m_fixture.tearDown();
}

void StatusListsTest::selectionAroundToday_data()
{
    QTest::addColumn<QByteArray>("date");
    QTest::addColumn<QByteArray>("flag");
    QTest::addColumn<bool>("fulfilled");
    QTest::addColumn<bool>("toFulfil");
    QTest::addColumn<bool>("expired");

    QTest::newRow("yesterday, not fulfilled") << QByteArray("09/05/2024") << no << false << true << true;
    QTest::newRow("today, not fulfilled") << QByteArray("10/05/2024") << no << false << true << false;
    QTest::newRow("tomorrow, not fulfilled") << QByteArray("11/05/2024") << no << false << true << false;
    QTest::newRow("last year, not fulfilled") << QByteArray("31/12/2023") << no << false << true << true;
    QTest::newRow("yesterday, fulfilled") << QByteArray("09/05/2024") << yes << true << false << false;
    QTest::newRow("next month, fulfilled") << QByteArray("10/06/2024") << yes << true << false << false;
    QTest::newRow("empty flag") << QByteArray("09/05/2024") << QByteArray() << false << false << false;
    QTest::newRow("flag in another case") << QByteArray("09/05/2024") << QByteArray("no") << false << false << false;
    QTest::newRow("flag without accent") << QByteArray("09/05/2024") << QByteArray("Si") << false << false << false;
    QTest::newRow("no such day") << QByteArray("31/02/2024") << no << false << true << false;
    QTest::newRow("one-digit day") << QByteArray("9/05/2024") << no << false << true << false;
    QTest::newRow("empty date") << QByteArray() << no << false << true << false;
}

void StatusListsTest::selectionAroundToday()
{
    QFETCH(QByteArray, date);
    QFETCH(QByteArray, flag);
    QFETCH(bool, fulfilled);
    QFETCH(bool, toFulfil);
    QFETCH(bool, expired);
    const QByteArray stored = appointment(date, flag);
    QCOMPARE(StatusList::takes(StatusList::Kind::Fulfilled, stored.constData(), kToday), fulfilled);
    QCOMPARE(StatusList::takes(StatusList::Kind::ToFulfil, stored.constData(), kToday), toFulfil);
    QCOMPARE(StatusList::takes(StatusList::Kind::Expired, stored.constData(), kToday), expired);

    // The expired list reads the same day from the clock.
    m_fixture.writeFile(kArchive, stored);
    auto screen = shown<TfrmScaduti>();
    QCOMPARE(screen->panContainer->lstRecords->count(), expired ? 1 : 0);
}

void StatusListsTest::lineColumns_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("line");

    QTest::newRow("padded columns, euro sign, amount last")
        << record({{Data, "09/05/2024"},
                   {Ora, "10:30"},
                   {Causale, "Manicure"},
                   {Contatto, "Rossi Anna"},
                   {Cel, "3331234567"},
                   {Importo, "25,00"}})
        << QStringLiteral("Data: 09/05/2024  Ora: 10:30  Manicure                                    Cliente: "
                          "Rossi Anna                      Cel. 3331234567      Importo: \u20AC 25,00");
    QTest::newRow("long treatments cut to 42")
        << record({{Data, "09/05/2024"},
                   {Ora, "10:30"},
                   {Causale, "Pulizia viso profonda con maschera all argilla verde e siero"},
                   {Contatto, "Rossi Anna"},
                   {Cel, "3331234567"},
                   {Importo, "25,00"}})
        << QStringLiteral("Data: 09/05/2024  Ora: 10:30  Pulizia viso profonda con maschera all arg  Cliente: "
                          "Rossi Anna                      Cel. 3331234567      Importo: \u20AC 25,00");
    QTest::newRow("empty fields")
        << record({})
        << QStringLiteral("Data:             Ora:                                                    Cliente: "
                          "                                Cel.                 Importo: \u20AC ");
}

void StatusListsTest::lineColumns()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, line);
    QCOMPARE(lineOf(stored), line);
}

void StatusListsTest::listsInFileOrderWithTheirTitles()
{
    const QList<QByteArray> stored{
        appointment("20/05/2024", no, "Verdi Luca"),   appointment("02/05/2024", yes, "Bianchi Carla"),
        appointment("01/05/2024", no, "Rossi Anna"),   appointment("03/05/2024", QByteArray(), "Neri Ugo"),
        appointment("05/05/2024", yes, "Azzurri Ada"), appointment("10/05/2024", no, "Gialli Eva"),
    };
    m_fixture.writeFile(kArchive, archiveOf(stored));

    auto assolti = shown<TfrmAssolti>();
    QCOMPARE(assolti->windowTitle(), QStringLiteral(" Riepilogo impegni assolti"));
    QCOMPARE(assolti->objectName(), QStringLiteral("frmAssolti"));
    QCOMPARE(assolti->size(), QSize(862, 560));
    QCOMPARE(assolti->panContainer->reportTitle(), QStringLiteral("Riepilogo impegni assolti"));
    QCOMPARE(linesOf(assolti->panContainer->lstRecords), (QStringList{lineOf(stored[1]), lineOf(stored[4])}));
    QCOMPARE(assolti->panContainer->lstRecords->position(1), 5);
    QTRY_VERIFY(assolti->panContainer->txtTrova->hasFocus());
    const QFont font = assolti->panContainer->lstRecords->model()->index(0, 0).data(Qt::FontRole).value<QFont>();
    QCOMPARE(font.family(), QStringLiteral("Courier New"));
    QCOMPARE(font.pointSize(), 12);

    auto confermati = shown<TfrmConfermati>();
    QCOMPARE(confermati->windowTitle(), QStringLiteral(" Riepilogo impegni da assolvere"));
    QCOMPARE(confermati->panContainer->reportTitle(), QStringLiteral("Riepilogo impegni da assolvere"));
    QCOMPARE(linesOf(confermati->panContainer->lstRecords),
             (QStringList{lineOf(stored[0]), lineOf(stored[2]), lineOf(stored[5])}));

    auto scaduti = shown<TfrmScaduti>();
    QCOMPARE(scaduti->windowTitle(), QStringLiteral(" Riepilogo impegni scaduti e non assolti"));
    QCOMPARE(scaduti->panContainer->reportTitle(), QStringLiteral("Riepilogo impegni scaduti e non assolti"));
    QCOMPARE(linesOf(scaduti->panContainer->lstRecords), QStringList{lineOf(stored[2])});
    QCOMPARE(scaduti->panContainer->lstRecords->position(0), 3);
    QVERIFY(Messages::shown().isEmpty());
}

void StatusListsTest::undatedRecordLeftOutOfTheExpiredList()
{
    // A record whose date does not read as a date does not hide the ones after it.
    m_fixture.writeFile(
        kArchive, archiveOf({appointment("08/05/2024", no, "Rossi Anna"), appointment("8 maggio", no, "Bianchi Carla"),
                             appointment("07/05/2024", no, "Verdi Luca")}));
    auto scaduti = shown<TfrmScaduti>();
    ListBox* list = scaduti->panContainer->lstRecords;
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->position(0), 1);
    QCOMPARE(list->position(1), 3);
    QVERIFY(list->line(1).contains(QStringLiteral("Verdi Luca")));
    QVERIFY(Messages::shown().isEmpty());
}

void StatusListsTest::missingArchiveGivesEmptyLists()
{
    auto assolti = shown<TfrmAssolti>();
    QCOMPARE(assolti->panContainer->lstRecords->count(), 0);
    QVERIFY(QFile::exists(m_fixture.path(kArchive)));
    QCOMPARE(QFileInfo(m_fixture.path(kArchive)).size(), 0);

    QTest::keyClicks(assolti->panContainer->txtTrova, QStringLiteral("rossi"));
    QTest::mouseClick(assolti->panContainer->btnTrova, Qt::LeftButton);
    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(Messages::shown().first().kind, Messages::Kind::Plain);
    QCOMPARE(Messages::shown().first().text,
             QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
}

void StatusListsTest::unreadableArchiveGivesAnEmptyListSilently()
{
    QVERIFY(QDir(m_fixture.path(QString())).mkdir(kArchive));
    auto confermati = shown<TfrmConfermati>();
    QCOMPARE(confermati->panContainer->lstRecords->count(), 0);
    QVERIFY(confermati->isVisible());
    QVERIFY(Messages::shown().isEmpty());
}

void StatusListsTest::doubleClickLoadsTheClickedRecord()
{
    // Records 2 and 4 give the same line and differ in their notes only.
    m_fixture.writeFile(kArchive, archiveOf({appointment("01/05/2024", no, "Verdi Luca"),
                                             appointment("02/05/2024", no, "Rossi Anna", "prima nota"),
                                             appointment("03/05/2024", yes, "Bianchi Carla"),
                                             appointment("02/05/2024", no, "Rossi Anna", "seconda nota")}));
    for (const auto& [row, position, note] : {std::tuple{1, "2", "prima nota"}, std::tuple{2, "4", "seconda nota"}}) {
        frmArchivio_Scadenze->txtNote->clear();
        frmArchivio_Scadenze->lblPosizione->clear();
        auto screen = shown<TfrmConfermati>();
        ListBox* list = screen->panContainer->lstRecords;
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->line(1), list->line(2));
        doubleClickLine(list, row);
        QTRY_VERIFY(!screen->isVisible());
        QCOMPARE(frmArchivio_Scadenze->lblPosizione->text(), QString::fromLatin1(position));
        QCOMPARE(frmArchivio_Scadenze->txtNote->text(), QString::fromLatin1(note));
        QCOMPARE(frmArchivio_Scadenze->txtContatto->text(), QStringLiteral("Rossi Anna"));
        QCOMPARE(frmArchivio_Scadenze->txtData->text(), QStringLiteral("02/05/2024"));
        QCOMPARE(frmArchivio_Scadenze->lblOra->text(), QStringLiteral("10:30"));
        QCOMPARE(frmArchivio_Scadenze->txtOreApp->currentText(), QStringLiteral("10"));
        QCOMPARE(frmArchivio_Scadenze->txtMinutiApp->currentText(), QStringLiteral("30"));
        QCOMPARE(frmArchivio_Scadenze->txtTipologia->text(), QStringLiteral("Giulia"));
        QCOMPARE(frmArchivio_Scadenze->txtImporto->text(), QStringLiteral("25,00"));
    }
    QVERIFY(Messages::shown().isEmpty());
}

void StatusListsTest::doubleClickOnAFulfilledLineKeepsItsRecord()
{
    // The same line stored later with flag "No" is not the one the user chose,
    // and the whole treatments text comes back though the line cut it.
    const QByteArray longTreatments("Pulizia viso profonda con maschera all argilla verde e siero");
    QByteArray fulfilled = appointment("02/05/2024", yes);
    QByteArray pending = appointment("02/05/2024", no);
    for (QByteArray* stored : {&fulfilled, &pending}) {
        (*stored)[Causale] = char(longTreatments.size());
        stored->replace(Causale + 1, longTreatments.size(), longTreatments);
    }
    m_fixture.writeFile(kArchive, archiveOf({fulfilled, pending}));
    frmArchivio_Scadenze->chkOttemperata->setChecked(false);

    // Opened from the card's own button, as the user does.
    ModalWatch watch([](QDialog* dialog) {
        auto* list = dialog->findChild<ListBox*>(QStringLiteral("lstRecords"));
        QCOMPARE(list->count(), 1);
        doubleClickLine(list, 0);
    });
    frmArchivio_Scadenze->cmdAssolti->click();
    QVERIFY(watch.seen());
    QCOMPARE(frmArchivio_Scadenze->lblPosizione->text(), QStringLiteral("1"));
    QVERIFY(frmArchivio_Scadenze->chkOttemperata->isChecked());
    QCOMPARE(frmArchivio_Scadenze->txtCausale->text(), QString::fromLatin1(longTreatments));
    QCOMPARE(frmArchivio_Scadenze->findChildren<QDialog*>().size(), 0);
}

void StatusListsTest::recordGoneMeanwhileClosesSilently()
{
    m_fixture.writeFile(kArchive, archiveOf({appointment("02/05/2024", yes, "Rossi Anna")}));
    frmArchivio_Scadenze->txtContatto->setText(QStringLiteral("Bianchi Carla"));
    frmArchivio_Scadenze->lblPosizione->setText(QStringLiteral("7"));
    auto screen = shown<TfrmAssolti>();
    QCOMPARE(screen->panContainer->lstRecords->count(), 1);
    // Another workstation's copy of the folder replaced the archive meanwhile.
    QVERIFY(QFile::remove(m_fixture.path(kArchive)));
    doubleClickLine(screen->panContainer->lstRecords, 0);
    QTRY_VERIFY(!screen->isVisible());
    QCOMPARE(frmArchivio_Scadenze->txtContatto->text(), QStringLiteral("Bianchi Carla"));
    QCOMPARE(frmArchivio_Scadenze->lblPosizione->text(), QStringLiteral("7"));
    QVERIFY(Messages::shown().isEmpty());
}

void StatusListsTest::findInTheList()
{
    QList<QByteArray> stored;
    for (int i = 0; i < 10; ++i)
        stored.append(appointment("02/05/2024", yes, i == 1 || i == 4 || i == 7 ? "ANNA Rossi" : "Bianchi Carla"));
    m_fixture.writeFile(kArchive, archiveOf(stored));
    auto screen = shown<TfrmAssolti>();
    ListPanel* panel = screen->panContainer;
    QCOMPARE(panel->lstRecords->selectedRow(), -1);

    QTest::keyClicks(panel->txtTrova, QStringLiteral("anna"));
    QTest::keyClick(panel->txtTrova, Qt::Key_Return);
    QTRY_VERIFY(panel->btnTrova->hasFocus());
    QList<qsizetype> rows;
    for (int click = 0; click < 4; ++click) {
        QTest::mouseClick(panel->btnTrova, Qt::LeftButton);
        rows.append(panel->lstRecords->selectedRow());
    }
    QCOMPARE(rows, (QList<qsizetype>{1, 4, 7, 1}));

    // Another text starts again from the top; è does not find È.
    panel->txtTrova->setText(QStringLiteral("bianchi"));
    QTest::mouseClick(panel->btnTrova, Qt::LeftButton);
    QCOMPARE(panel->lstRecords->selectedRow(), 0);
    panel->txtTrova->setText(QStringLiteral("\u00E8"));
    QTest::mouseClick(panel->btnTrova, Qt::LeftButton);
    QCOMPARE(panel->lstRecords->selectedRow(), 0);
    QVERIFY(Messages::shown().isEmpty());
}

void StatusListsTest::listPrintedOnLandscapeA4()
{
    QList<QByteArray> stored;
    for (int i = 1; i <= 60; ++i)
        stored.append(appointment(QByteArray::number(i % 28 + 1).rightJustified(2, '0') + "/04/2024", no,
                                  "Cliente " + QByteArray::number(i)));
    m_fixture.writeFile(kArchive, archiveOf(stored));
    auto screen = shown<TfrmScaduti>();
    QCOMPARE(screen->panContainer->lstRecords->count(), 60);

    const QString pdf = m_fixture.path(QStringLiteral("scaduti.pdf"));
    PrintDialog::setNextPdf(pdf);
    QTest::mouseClick(screen->panContainer->btnStampa, Qt::LeftButton);
    QVERIFY(screen->isVisible());

    QStringList expected{QStringLiteral("Riepilogo impegni scaduti e non assolti")};
    for (const QByteArray& each : stored)
        expected.append(simplified(lineOf(each)));
    expected.append(QStringLiteral("Stampa eseguita in data 10/05/2024"));
    const QStringList pages = pdfPages(pdf);
    QVERIFY(pages.size() >= 2);
    QCOMPARE(pages.join(QLatin1Char('\n')).split(QLatin1Char('\n')), expected);

    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY(info.waitForFinished(60000));
    const QString described = QString::fromUtf8(info.readAllStandardOutput());
    QVERIFY2(described.contains(QRegularExpression(QStringLiteral("Page size:\\s+842(\\.\\d+)? x 595(\\.\\d+)? pts"))),
             qPrintable(described));
    QVERIFY(Messages::shown().isEmpty());
}

QTEST_MAIN(StatusListsTest)
#include "StatusListsTest.moc"
