#include "ClientSearchTesting.h"
#include "GuiFixture.h"
#include "appointments/AppointmentTesting.h"
#include "reportengine/PdfText.h"

#include "clients/Recontact.h"
#include "clients/TfrmClienti.h"
#include "clients/TfrmRicontatta.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace StoredClient;

namespace {
const QString kArchive = QStringLiteral("Contatti.pro");

QByteArray client(const QByteArray& name, const QByteArray& flag, const QByteArray& issues = "",
                  const QByteArray& address = "")
{
    return record({{Cliente, name},
                   {Recapito, "06 1234567"},
                   {IndirizzoRes, address},
                   {Occupazione, "Insegnante"},
                   {Prodotti, "Manicure"},
                   {Questioni, issues},
                   {Note, "Non elencata"},
                   {Ricontatta, flag}});
}

QString lineOf(const QByteArray& stored)
{
    ListLines lines;
    Recontact::appendLine(lines, 1, stored.constData());
    return lines.line(0);
}
} // namespace

class RecontactTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_fixture.setUp(); }
    void cleanup() { m_fixture.tearDown(); }

    void selection_data();
    void selection();
    void lineEndsWithThePendingIssues();
    void listedSortedByNameFromTheCard();
    void doubleClickLoadsTheClickedRecordOfEqualLines();
    void emptyListFindAndPrint();
    void unreadableArchiveGivesAnEmptyListSilently();

private:
    GuiFixture m_fixture;

    void writeArchive(const QList<QByteArray>& records) { m_fixture.writeFile(kArchive, archiveOf(records)); }

    std::unique_ptr<TfrmRicontatta> shown()
    {
        auto screen = std::make_unique<TfrmRicontatta>(frmClienti);
        screen->show();
        if (!QTest::qWaitForWindowExposed(screen.get()))
            qWarning("recontact list not exposed");
        return screen;
    }
};

void RecontactTest::selection_data()
{
    QTest::addColumn<QByteArray>("flag");
    QTest::addColumn<bool>("listed");
    QTest::newRow("S\u00EC") << yes << true;
    QTest::newRow("No") << no << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("without accent") << QByteArray("Si") << false;
    QTest::newRow("lower case") << QByteArray("s\xEC") << false;
    QTest::newRow("capitals") << QByteArray("S\xCC") << false;
}

void RecontactTest::selection()
{
    QFETCH(QByteArray, flag);
    QFETCH(bool, listed);
    const QByteArray stored = client("Rossi Anna", flag);
    QCOMPARE(Recontact::takes(stored.constData()), listed);

    writeArchive({client("Altra", no), stored});
    const LoadedLines loaded = Recontact::load();
    QVERIFY(loaded.error.isEmpty());
    QCOMPARE(loaded.lines.size(), listed ? 1 : 0);
    if (listed)
        QCOMPARE(loaded.lines.position(0), 2);
}

void RecontactTest::lineEndsWithThePendingIssues()
{
    const QString head = QStringLiteral("Rossi Anna                ") + QStringLiteral("  Tel. ") +
                         QStringLiteral("06 1234567     ") + QStringLiteral("  ") +
                         QStringLiteral("Insegnante               ") + QStringLiteral("  Prod. ") +
                         QStringLiteral("Manicure                      ") + QStringLiteral("  ");
    QCOMPARE(lineOf(client("Rossi Anna", yes, "  Richiamare per il preventivo ")),
             head + QStringLiteral("Richiamare per il preventivo"));
    // No pending issues: the line ends with the padded products and two blanks.
    QCOMPARE(lineOf(client("Rossi Anna", yes)), head);
}

void RecontactTest::listedSortedByNameFromTheCard()
{
    const QByteArray rossi = client("Rossi Anna", yes, "Preventivo");
    const QByteArray verdi = client("Verdi Rosa", no, "Non da richiamare");
    const QByteArray bianchi = client("bianchi carla", yes, "Pagamento");
    writeArchive({rossi, verdi, bianchi});
    frmClienti->chkRicontatta->setChecked(false);

    ModalWatch watch([&](QDialog* dialog) {
        auto* screen = qobject_cast<TfrmRicontatta*>(dialog);
        QVERIFY(screen);
        QCOMPARE(screen->objectName(), QStringLiteral("frmRicontatta"));
        QCOMPARE(screen->windowTitle(), QStringLiteral(" Riepilogo clienti da ricontattare"));
        ListBox* list = screen->panContainer->lstRecords;
        // Case is ignored in the order: bianchi carla comes before Rossi Anna.
        QCOMPARE(linesOf(list), (QStringList{lineOf(bianchi), lineOf(rossi)}));
        QCOMPARE(screen->panContainer->lblRigo03->text(),
                 QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda"));
        QTRY_COMPARE(QApplication::focusWidget(), screen->panContainer->txtTrova);
        doubleClickLine(list, 1);
        QTRY_VERIFY(!screen->isVisible());
    });
    frmClienti->cmdRicontatta->click();
    QVERIFY(watch.seen());
    QCOMPARE(frmClienti->txtCliente->text(), QStringLiteral("Rossi Anna"));
    QCOMPARE(frmClienti->txtQuestioni->text(), QStringLiteral("Preventivo"));
    QCOMPARE(frmClienti->lblPosizione->text(), QStringLiteral("1"));
    QVERIFY(frmClienti->chkRicontatta->isChecked());
}

void RecontactTest::doubleClickLoadsTheClickedRecordOfEqualLines()
{
    const QByteArray first = client("Verdi Rosa", yes, "Preventivo", "Via Uno");
    const QByteArray second = client("Verdi Rosa", yes, "Preventivo", "Via Due");
    writeArchive({first, client("Rossi Anna", no), second});
    QCOMPARE(lineOf(first), lineOf(second));
    for (const auto& [row, address, position] : {std::tuple{0, "Via Uno", "1"}, std::tuple{1, "Via Due", "3"}}) {
        auto screen = shown();
        doubleClickLine(screen->panContainer->lstRecords, row);
        QTRY_VERIFY(!screen->isVisible());
        QCOMPARE(frmClienti->txtIndirizzoRes->text(), QString::fromLatin1(address));
        QCOMPARE(frmClienti->lblPosizione->text(), QString::fromLatin1(position));
    }
}

void RecontactTest::emptyListFindAndPrint()
{
    Clock::setForTests(QDateTime(QDate(2024, 5, 10), QTime(9, 30)));
    writeArchive({client("Rossi Anna", no)});
    auto screen = shown();
    QCOMPARE(screen->panContainer->lstRecords->count(), 0);
    QTest::mouseClick(screen->panContainer->btnTrova, Qt::LeftButton);
    QCOMPARE(Messages::shownTexts(),
             QStringList{QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.")});

    const QString pdf = m_fixture.path(QStringLiteral("ricontatta.pdf"));
    PrintDialog::setNextPdf(pdf);
    QTest::mouseClick(screen->panContainer->btnStampa, Qt::LeftButton);
    QCOMPARE(pdfPages(pdf), QStringList{QStringLiteral("Riepilogo clienti da ricontattare\n"
                                                       "Stampa eseguita in data 10/05/2024")});
}

void RecontactTest::unreadableArchiveGivesAnEmptyListSilently()
{
    QVERIFY(QDir(m_fixture.path(QString())).mkdir(kArchive));
    auto screen = shown();
    QCOMPARE(screen->panContainer->lstRecords->count(), 0);
    QVERIFY(Messages::shown().isEmpty());
    QTest::mouseClick(screen->panContainer->btnChiudi, Qt::LeftButton);
    QVERIFY(!screen->isVisible());
}

QTEST_MAIN(RecontactTest)
#include "RecontactTest.moc"
