#include "reports/ListPanel.h"
#include "GuiFixture.h"
#include "reportengine/PdfText.h"
#include "reports/ListBox.h"
#include "reports/ListLine.h"
#include "reports/ListModel.h"
#include "reports/ListScreen.h"
#include "ui_ListScreenForm.h"

#include <QFontInfo>
#include <QPushButton>
#include <QScrollBar>

// A list screen made as the screens are: its form holds a ListPanel named panContainer.
class ListScreenForm final : public ListScreen, public Ui::ListScreenForm
{
public:
    ListScreenForm()
    {
        setupUi(this);
        panContainer->setTitle(QStringLiteral("assolti"), QStringLiteral("Riepilogo impegni assolti"));
    }
};

namespace {
// A line of the status lists for appointment n.
QString appointmentLine(int n)
{
    QString line = QStringLiteral("Data: ");
    ListLine::appendColumn(line, QStringLiteral("%1/05/2024").arg(n % 28 + 1, 2, 10, QLatin1Char('0')), 10);
    line += QStringLiteral("  Ora: ");
    ListLine::appendColumn(line, QStringLiteral("15:30"), 5);
    line += QStringLiteral("  ");
    ListLine::appendColumn(line, QStringLiteral("Trattamento viso numero %1").arg(n, 3, 10, QLatin1Char('0')), 42);
    line += QStringLiteral("  Cliente: ");
    ListLine::appendColumn(line, QStringLiteral("Cliente %1").arg(n), 30);
    line += QStringLiteral("  Cel. ");
    ListLine::appendColumn(line, QStringLiteral("333 %1").arg(1000000 + n), 14);
    line += QStringLiteral("  Importo: \u20AC ");
    ListLine::appendLast(line, QStringLiteral("%1,00").arg(n));
    return line;
}

ListLines appointmentLines(int count)
{
    ListLines lines;
    for (int n = 1; n <= count; ++n)
        lines.append(appointmentLine(n), n);
    return lines;
}

ListLines linesOf(const QStringList& texts, const QList<qint64>& positions)
{
    ListLines lines;
    for (int i = 0; i < texts.size(); ++i)
        lines.append(texts.at(i), positions.at(i));
    return lines;
}
} // namespace

class ListPanelTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void itemsHaveTheirOwnFontAndPosition();
    void sortedBoxSortsItsLines();
    void findThroughTheButton();
    void findOnAnEmptyList();
    void returnInTheFindFieldOnlyMovesToTrova();
    void doubleClickGivesTheClickedRecord();
    void searchResultsLook();
    void printProcedureHeights_data();
    void printProcedureHeights();
    void hundredLinesPrintedAcrossPages();
    void emptyListPrintsTitleAndFooter();
    void cancelledPrintPrintsNothing();

private:
    GuiFixture m_fixture;
    std::unique_ptr<ListScreenForm> m_screen;
    ListPanel* m_panel = nullptr;
};

void ListPanelTest::init()
{
    m_fixture.setUp();
    Clock::setForTests(QDateTime(QDate(2024, 5, 10), QTime(9, 30)));
    m_screen = std::make_unique<ListScreenForm>();
    m_panel = control<ListPanel>(m_screen.get(), "panContainer");
    QVERIFY(m_panel);
    QCOMPARE(m_panel->geometry(), QRect(14, 15, 833, 529));
    QVERIFY(control<ListBox>(m_screen.get(), "lstRecords"));
}

void ListPanelTest::cleanup()
{
    m_screen.reset();
    m_fixture.tearDown();
}

void ListPanelTest::itemsHaveTheirOwnFontAndPosition()
{
    ListBox* list = m_panel->lstRecords;
    list->setStyleSheet(QStringLiteral("font: 20pt \"Verdana\";"));
    list->setLines(linesOf({"Rossi", "Bianchi"}, {7, 3}));
    const QModelIndex second = list->model()->index(1, 0);

    const QFont font = second.data(Qt::FontRole).value<QFont>();
    QCOMPARE(font.family(), QStringLiteral("Courier New"));
    QCOMPARE(font.pointSize(), 12);
    QVERIFY(QFontInfo(font).fixedPitch());
    QCOMPARE(second.data(Qt::ForegroundRole).value<QColor>().rgba(), 0xFF000000u);
    QCOMPARE(second.data(Qt::DisplayRole).toString(), QStringLiteral("Bianchi"));
    QCOMPARE(second.data(ListModel::PositionRole).toLongLong(), 3);
    QCOMPARE(second.data(Qt::SizeHintRole).toSize().width(), ListBox::ItemWidth);
    QVERIFY(list->uniformItemSizes());
    QCOMPARE(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    // Lines longer than the box scroll horizontally up to the item width.
    m_screen->show();
    QTRY_VERIFY(list->horizontalScrollBar()->maximum() > 0);
    QCOMPARE(list->horizontalScrollBar()->maximum() + list->viewport()->width(), ListBox::ItemWidth);

    list->setItemFontSize(14);
    QCOMPARE(list->model()->index(0, 0).data(Qt::FontRole).value<QFont>().pointSize(), 14);
    list->clear();
    QCOMPARE(list->count(), 0);
}

void ListPanelTest::sortedBoxSortsItsLines()
{
    ListBox* list = m_panel->lstRecords;
    list->setSorted(true);
    list->setLines(linesOf({"rossi anna", "Bianchi Carla", "ROSSI ANDREA"}, {1, 2, 3}));
    QCOMPARE(list->line(0), QStringLiteral("Bianchi Carla"));
    QCOMPARE(list->line(1), QStringLiteral("ROSSI ANDREA"));
    QCOMPARE(list->line(2), QStringLiteral("rossi anna"));
    QCOMPARE(list->position(1), 3);
}

void ListPanelTest::findThroughTheButton()
{
    QStringList texts;
    for (int i = 0; i < 10; ++i)
        texts.append(i == 1 || i == 4 || i == 7 ? QStringLiteral("Cliente: ANNA Bianchi")
                                                : QStringLiteral("Cliente: Carla"));
    ListBox* list = m_panel->lstRecords;
    list->setLines(linesOf(texts, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    m_panel->clearSearch();
    QCOMPARE(list->selectedRow(), 0);

    QTest::keyClicks(m_panel->txtTrova, QStringLiteral("anna"));
    QList<qsizetype> rows;
    for (int click = 0; click < 4; ++click) {
        QTest::mouseClick(m_panel->btnTrova, Qt::LeftButton);
        rows.append(list->selectedRow());
    }
    QCOMPARE(rows, (QList<qsizetype>{1, 4, 7, 1}));

    // Showing the screen again starts afresh.
    m_panel->clearSearch();
    QCOMPARE(m_panel->txtTrova->text(), QString());
    QCOMPARE(list->search().lastText(), QString());
    QCOMPARE(list->selectedRow(), 0);
    QVERIFY(Messages::shown().isEmpty());
}

void ListPanelTest::findOnAnEmptyList()
{
    m_panel->clearSearch();
    QTest::keyClicks(m_panel->txtTrova, QStringLiteral("rossi"));
    QTest::mouseClick(m_panel->btnTrova, Qt::LeftButton);
    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(Messages::shown().first().kind, Messages::Kind::Plain);
    QCOMPARE(Messages::shown().first().text,
             QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
    QCOMPARE(m_panel->txtTrova->text(), QStringLiteral("rossi"));
}

void ListPanelTest::returnInTheFindFieldOnlyMovesToTrova()
{
    m_panel->lstRecords->setLines(linesOf({"Rossi", "Bianchi"}, {1, 2}));
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
    m_panel->clearSearch();
    m_panel->txtTrova->setFocus();
    QTest::keyClicks(m_panel->txtTrova, QStringLiteral("bianchi"));
    QTest::keyClick(m_panel->txtTrova, Qt::Key_Return);
    QTRY_VERIFY(m_panel->btnTrova->hasFocus());
    QCOMPARE(m_panel->lstRecords->selectedRow(), 0);
    QTest::keyClick(m_panel->btnTrova, Qt::Key_Space);
    QCOMPARE(m_panel->lstRecords->selectedRow(), 1);
}

void ListPanelTest::doubleClickGivesTheClickedRecord()
{
    // Two records that give the same line: each line leads to its own record.
    ListBox* list = m_panel->lstRecords;
    list->setLines(linesOf({appointmentLine(5), appointmentLine(5), appointmentLine(6)}, {2, 9, 4}));
    QList<qint64> loaded;
    connect(list, &QAbstractItemView::doubleClicked, list, [&] { loaded.append(list->selectedPosition()); });
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    for (int row : {0, 1, 2}) {
        const QRect item = list->visualRect(list->model()->index(row, 0));
        // The press and release of the first click, then the second press of a double-click.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(40, item.center().y()));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(40, item.center().y()));
    }
    QCOMPARE(loaded, (QList<qint64>{2, 9, 4}));
    list->selectRow(-1);
    QCOMPARE(list->selectedPosition(), 0);
}

void ListPanelTest::searchResultsLook()
{
    QVERIFY(!m_panel->lblTrovate->isVisibleTo(m_panel));
    QVERIFY(m_panel->findChild<QLabel*>(QStringLiteral("icoIstruzioni")));
    m_panel->setSearchResults();
    QVERIFY(m_panel->lblTrovate->isVisibleTo(m_panel));
    QCOMPARE(m_panel->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 0 schede"));
    QCOMPARE(m_panel->lblRigo03->text(),
             QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda"));
    QVERIFY(m_panel->findChild<QLabel*>(QStringLiteral("icoIstruzioni01")));
    m_panel->setCount(0);
    QCOMPARE(m_panel->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 0 schede."));
    m_panel->setCount(12);
    QCOMPARE(m_panel->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 12 schede."));
}

void ListPanelTest::printProcedureHeights_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<QStringList>("closing");
    QTest::addColumn<double>("memo");
    QTest::addColumn<double>("band");

    QTest::newRow("100 lines") << 100 << QStringList() << 1282.2 << 1292.2;
    QTest::newRow("3 lines and 2 closing lines")
        << 3 << QStringList{"--------------------------", QStringLiteral("TOTALE IMPORTI:    \u20AC 12,55")} << 64.11
        << 74.11;
    QTest::newRow("empty") << 0 << QStringList() << 0.0 << 10.0;
}

void ListPanelTest::printProcedureHeights()
{
    QFETCH(int, lines);
    QFETCH(QStringList, closing);
    QFETCH(double, memo);
    QFETCH(double, band);
    ListReport& report = m_panel->frxReport;
    report.fill(QStringLiteral("Riepilogo trattamenti di Rossi Anna"), appointmentLines(lines), closing);
    const MemoView* txtRiepilogo = report.report().findMemo(QStringLiteral("txtRiepilogo"));
    QCOMPARE(txtRiepilogo->lines().size(), lines + closing.size());
    QCOMPARE(txtRiepilogo->geometry().height(), memo);
    QCOMPARE(report.report().findBand(QStringLiteral("MasterData"))->height(), band);
    QCOMPARE(report.report().findMemo(QStringLiteral("txtTitolo"))->text(),
             QStringLiteral("Riepilogo trattamenti di Rossi Anna"));
    if (!closing.isEmpty())
        QCOMPARE(txtRiepilogo->lines().last(), closing.last());
}

void ListPanelTest::hundredLinesPrintedAcrossPages()
{
    m_panel->lstRecords->setLines(appointmentLines(100));
    const QString pdf = m_fixture.path(QStringLiteral("lista.pdf"));
    PrintDialog::setNextPdf(pdf);
    QTest::mouseClick(m_panel->btnStampa, Qt::LeftButton);

    const QStringList pages = pdfPages(pdf);
    QCOMPARE(pages.size(), 2);
    QCOMPARE(int(m_panel->frxReport.report().preparedPages().size()), 2);
    QVERIFY(pages.first().startsWith(QStringLiteral("Riepilogo impegni assolti\n")));
    QVERIFY(pages.last().endsWith(QStringLiteral("\nStampa eseguita in data 10/05/2024")));
    QVERIFY(!pages.first().contains(QStringLiteral("Stampa eseguita")));

    const QStringList printed = pages.join(QLatin1Char('\n')).split(QLatin1Char('\n'));
    QStringList expected{QStringLiteral("Riepilogo impegni assolti")};
    for (int n = 1; n <= 100; ++n)
        expected.append(simplified(appointmentLine(n)));
    expected.append(QStringLiteral("Stampa eseguita in data 10/05/2024"));
    QCOMPARE(printed, expected);
    QVERIFY(Messages::shown().isEmpty());
}

void ListPanelTest::emptyListPrintsTitleAndFooter()
{
    const QString pdf = m_fixture.path(QStringLiteral("vuota.pdf"));
    PrintDialog::setNextPdf(pdf);
    QTest::mouseClick(m_panel->btnStampa, Qt::LeftButton);
    QCOMPARE(pdfPages(pdf),
             QStringList{QStringLiteral("Riepilogo impegni assolti\nStampa eseguita in data 10/05/2024")});
    QVERIFY(Messages::shown().isEmpty());
}

void ListPanelTest::cancelledPrintPrintsNothing()
{
    m_panel->lstRecords->setLines(appointmentLines(3));
    QVERIFY(!m_panel->frxReport.print(QStringLiteral("Riepilogo"), m_panel->lstRecords->lines(), {}, m_screen.get()));
    QVERIFY(QDir(m_fixture.path(QString())).entryList(QDir::Files).filter(QStringLiteral(".pdf")).isEmpty());
    QVERIFY(Messages::shown().isEmpty());
}

QTEST_MAIN(ListPanelTest)
#include "ListPanelTest.moc"
