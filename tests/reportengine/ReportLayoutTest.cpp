#include "reportengine/ReportLayout.h"
#include "app/Clock.h"
#include "reportengine/Report.h"
#include "reportengine/ReportFont.h"
#include "reportengine/ReportUnits.h"
#include "reports/AppointmentSheet.h"

#include <QFontMetricsF>
#include <QTest>

using ReportUnits::fromMm;

namespace {
// A portrait page with a title band, a master band holding one memo of lines
// and a footer band.
ReportTemplate bandedReport(int lines, bool allowSplit, double lineHeight = 0)
{
    ReportTemplate report(QStringLiteral("Prova"));
    ReportPage& page = report.addPage(QStringLiteral("Page"), QPageLayout::Portrait, 10);
    ReportBand& title = page.addBand(ReportBand::Kind::ReportTitle, QStringLiteral("ReportTitle"), fromMm(8));
    title.objects().addMemo(QStringLiteral("txtTitolo"), fromMm(2, 1, 186, 5)).setText(QStringLiteral("Titolo"));
    ReportBand& master = page.addBand(ReportBand::Kind::MasterData, QStringLiteral("MasterData"), 0);
    master.setAllowSplit(allowSplit);
    MemoView& memo = master.objects().addMemo(QStringLiteral("txtRiepilogo"), fromMm(3, 0, 186, 0));
    memo.setFont(ReportFont::make(QStringLiteral("Courier New"), 8));
    memo.setLineHeight(lineHeight);
    for (int n = 1; n <= lines; ++n)
        memo.appendLine(QStringLiteral("Riga %1").arg(n, 4, 10, QLatin1Char('0')));
    const QFontMetricsF metrics(memo.font());
    const double pitch = lineHeight > 0 ? lineHeight : metrics.height() * 96 / metrics.fontDpi() * 1.1;
    memo.setHeight(lines * pitch);
    master.setHeight(memo.geometry().height() + 10);
    ReportBand& footer = page.addBand(ReportBand::Kind::Footer, QStringLiteral("Footer"), fromMm(8));
    footer.objects().addMemo(QStringLiteral("txtPagina"), fromMm(3, 2, 186, 5)).setText(QStringLiteral("Fine"));
    return report;
}

QStringList allTexts(const std::vector<PreparedPage>& pages)
{
    QStringList texts;
    for (const PreparedPage& page : pages)
        texts += page.texts();
    return texts;
}

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int n = 1; n <= count; ++n)
        lines.append(QStringLiteral("Riga %1").arg(n, 4, 10, QLatin1Char('0')));
    return lines;
}
} // namespace

class ReportLayoutTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { Clock::resetForTests(); }

    void bandTallerThanAPageContinues_data();
    void bandTallerThanAPageContinues();
    void shortBandsFollowOneAnother();
    void longLineIsCutAtTheRightEdge();
    void alignment();
    void onlyDateIsEvaluated();
    void findByName();
    void prepareDiscardsEarlierPages();
    void orientation();
    void sheetObjectsStandOnThePage();
};

void ReportLayoutTest::bandTallerThanAPageContinues_data()
{
    QTest::addColumn<bool>("allowSplit");
    QTest::addColumn<double>("lineHeight");
    QTest::newRow("split band, list line height") << true << 12.822;
    QTest::newRow("split band, font line height") << true << 0.0;
    QTest::newRow("band that may not split but cannot fit") << false << 12.822;
}

void ReportLayoutTest::bandTallerThanAPageContinues()
{
    QFETCH(bool, allowSplit);
    QFETCH(double, lineHeight);
    const ReportTemplate report = bandedReport(300, allowSplit, lineHeight);
    const std::vector<PreparedPage> pages = ReportLayout::prepare(report);
    QVERIFY(pages.size() >= 4);

    // Every line once, in order, and the title and footer once each.
    QStringList expected = numberedLines(300);
    expected.prepend(QStringLiteral("Titolo"));
    expected.append(QStringLiteral("Fine"));
    QCOMPARE(allTexts(pages), expected);
    QCOMPARE(pages.front().texts().first(), QStringLiteral("Titolo"));
    QCOMPARE(pages.back().texts().last(), QStringLiteral("Fine"));

    // Each line lies whole inside the printable area of its page.
    const QRectF printable = report.pages().front()->printableRect();
    for (const PreparedPage& page : pages) {
        for (const PreparedPage::Item& item : page.items) {
            const auto* text = std::get_if<PreparedPage::Text>(&item);
            if (!text)
                continue;
            QVERIFY(text->origin.y() > printable.top());
            QVERIFY(text->origin.y() < printable.bottom());
            QVERIFY(text->clip.bottom() <= printable.bottom() + 1e-6);
        }
    }
}

void ReportLayoutTest::shortBandsFollowOneAnother()
{
    const std::vector<PreparedPage> pages = ReportLayout::prepare(bandedReport(5, true, 12.822));
    QCOMPARE(pages.size(), size_t(1));
    QStringList expected = numberedLines(5);
    expected.prepend(QStringLiteral("Titolo"));
    expected.append(QStringLiteral("Fine"));
    QCOMPARE(pages.front().texts(), expected);

    // Title band at the top margin, the lines 12.822 apart below it, the footer after the band.
    std::vector<double> baselines;
    for (const PreparedPage::Item& item : pages.front().items)
        if (const auto* text = std::get_if<PreparedPage::Text>(&item))
            baselines.push_back(text->origin.y());
    for (size_t i = 2; i < 6; ++i)
        QVERIFY(qAbs(baselines[i] - baselines[i - 1] - 12.822) < 1e-6);
    QVERIFY(baselines[1] > fromMm(10 + 8));
    QVERIFY(baselines[6] > baselines[5] + 10);
}

void ReportLayoutTest::longLineIsCutAtTheRightEdge()
{
    ReportTemplate report(QStringLiteral("Prova"));
    ReportPage& page = report.addPage(QStringLiteral("Page1"), QPageLayout::Portrait, 10);
    MemoView& memo = page.objects().addMemo(QStringLiteral("txtCampo01"), fromMm(60, 24, 50, 30));
    memo.setFont(ReportFont::make(QStringLiteral("Courier New"), 10));
    memo.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    memo.setText(QString(500, QLatin1Char('X')) + QStringLiteral("\nbreve"));

    const std::vector<PreparedPage> pages = ReportLayout::prepare(report);
    const QStringList texts = pages.front().texts();
    QCOMPARE(texts.size(), 2);
    QCOMPARE(texts.at(1), QStringLiteral("breve"));

    // As many X as reach the right edge: the last one is crossed by it.
    const QFontMetricsF metrics(memo.font());
    const double advance = metrics.horizontalAdvance(QLatin1Char('X')) * 96 / metrics.fontDpi();
    const double available = fromMm(50) - memo.gapX();
    QVERIFY(texts.at(0).size() < 500);
    QVERIFY(qAbs(texts.at(0).size() - std::ceil(available / advance)) <= 1);
    QCOMPARE(texts.at(0), QString(texts.at(0).size(), QLatin1Char('X')));

    const auto& cut = std::get<PreparedPage::Text>(pages.front().items.front());
    const QRectF box = memo.geometry().translated(page.printableRect().topLeft());
    QCOMPARE(cut.clip.right(), box.right());
    QCOMPARE(cut.origin.x(), box.left() + memo.gapX());
}

void ReportLayoutTest::alignment()
{
    ReportTemplate report(QStringLiteral("Prova"));
    ReportPage& page = report.addPage(QStringLiteral("Page1"), QPageLayout::Portrait, 10);
    const QRectF box = fromMm(10, 10, 100, 20);
    const auto add = [&](const char* name, Qt::Alignment alignment) {
        MemoView& memo = page.objects().addMemo(QString::fromLatin1(name), box);
        memo.setAlignment(alignment);
        memo.setText(QStringLiteral("Titolo Scheda"));
    };
    add("left", Qt::AlignLeft | Qt::AlignTop);
    add("centre", Qt::AlignCenter);
    add("right", Qt::AlignRight | Qt::AlignBottom);
    const std::vector<PreparedPage> pages = ReportLayout::prepare(report);
    std::vector<PreparedPage::Text> texts;
    for (const PreparedPage::Item& item : pages.front().items)
        texts.push_back(std::get<PreparedPage::Text>(item));
    const QRectF placed = box.translated(page.printableRect().topLeft());
    QCOMPARE(texts[0].origin.x(), placed.left() + 2);
    const double width = placed.right() - 2 - texts[2].origin.x();
    QVERIFY(qAbs(texts[1].origin.x() - (placed.center().x() - width / 2)) < 1e-6);
    QVERIFY(texts[0].origin.y() < texts[1].origin.y());
    QVERIFY(texts[1].origin.y() < texts[2].origin.y());
    QVERIFY(texts[2].origin.y() < placed.bottom());
}

void ReportLayoutTest::onlyDateIsEvaluated()
{
    Clock::setForTests(QDateTime(QDate(2024, 5, 10), QTime(9, 30)));
    ReportTemplate report(QStringLiteral("Prova"));
    ReportPage& page = report.addPage(QStringLiteral("Page1"), QPageLayout::Portrait, 10);
    MemoView& footer = page.objects().addMemo(QStringLiteral("txtPagina"), fromMm(3, 2, 185, 5));
    footer.setExpressions(MemoView::Expressions::Date);
    footer.setText(QStringLiteral("Stampa eseguita in data [DATE] [TIME]"));
    page.objects().addMemo(QStringLiteral("txtNote"), fromMm(3, 10, 185, 5)).setText(QStringLiteral("[DATE] [nota]"));
    QCOMPARE(ReportLayout::prepare(report).front().texts(),
             (QStringList{"Stampa eseguita in data 10/05/2024 [TIME]", "[DATE] [nota]"}));
    // The template keeps its own text for the next preparation.
    QCOMPARE(footer.text(), QStringLiteral("Stampa eseguita in data [DATE] [TIME]"));
}

void ReportLayoutTest::findByName()
{
    const ReportTemplate report = bandedReport(1, true);
    QVERIFY(report.findMemo(QStringLiteral("txtRiepilogo")));
    QCOMPARE(report.findMemo(QStringLiteral("txtRiepilogo"))->name(), QStringLiteral("txtRiepilogo"));
    QCOMPARE(report.findBand(QStringLiteral("MasterData"))->kind(), ReportBand::Kind::MasterData);
    QVERIFY(!report.findMemo(QStringLiteral("MasterData")));
    QVERIFY(!report.findBand(QStringLiteral("txtRiepilogo")));
    QVERIFY(!report.findObject(QStringLiteral("txtMancante")));
    QVERIFY(report.findPage(QStringLiteral("Page")));

    const ReportTemplate sheet = AppointmentSheet::makeTemplate();
    QCOMPARE(sheet.findObject(QStringLiteral("linSepara"))->kind(), ReportObject::Kind::Line);
    QVERIFY(!sheet.findMemo(QStringLiteral("linSepara")));
}

void ReportLayoutTest::prepareDiscardsEarlierPages()
{
    Report report(bandedReport(3, true));
    report.prepare();
    report.prepare();
    QCOMPARE(report.preparedPages().size(), size_t(1));
    MemoView* memo = report.findMemo(QStringLiteral("txtRiepilogo"));
    memo->clearLines();
    memo->appendLine(QStringLiteral("Nuova riga"));
    report.prepare();
    QCOMPARE(report.preparedPages().front().texts(), (QStringList{"Titolo", "Nuova riga", "Fine"}));
}

void ReportLayoutTest::orientation()
{
    Report report(bandedReport(1, true));
    report.setOrientation(QPageLayout::Landscape);
    report.prepare();
    const PreparedPage& page = report.preparedPages().front();
    QCOMPARE(page.orientation, QPageLayout::Landscape);
    QCOMPARE(page.size, QSizeF(fromMm(297), fromMm(210)));
}

void ReportLayoutTest::sheetObjectsStandOnThePage()
{
    Report report(AppointmentSheet::makeTemplate());
    report.findMemo(QStringLiteral("txtOra"))->setText(QStringLiteral("09:30"));
    report.findMemo(QStringLiteral("txtOttemperata"))->setText(QStringLiteral("No"));
    report.prepare();
    QCOMPARE(report.preparedPages().size(), size_t(1));
    const QStringList texts = report.preparedPages().front().texts();
    QCOMPARE(texts.first(), QStringLiteral("SCHEDA APPUNTAMENTO"));
    QCOMPARE(texts.count(), 1 + 13 + 2 + 1);
    QVERIFY(texts.contains(QStringLiteral("Impegno assolto:")));
    QCOMPARE(texts.at(texts.indexOf(QStringLiteral("Ora:")) + 1), QStringLiteral("09:30"));
    QCOMPARE(texts.last(), QStringLiteral("Data e ora stampa"));
}

QTEST_MAIN(ReportLayoutTest)
#include "ReportLayoutTest.moc"
