#include "reports/ListSearch.h"
#include "reports/AsciiCase.h"
#include "storage/Cp1252.h"

#include <QTest>

namespace {
ListLines linesOf(const QStringList& texts)
{
    ListLines lines;
    for (const QString& text : texts)
        lines.append(text, lines.size() + 1);
    return lines;
}

// Ten lines with "anna" at 1, 4 and 7.
ListLines annaLines()
{
    QStringList texts;
    for (int i = 0; i < 10; ++i)
        texts.append(i == 1 || i == 4 || i == 7 ? QStringLiteral("Cliente: Bianchi Anna %1").arg(i)
                                                : QStringLiteral("Cliente: Rossi Carla %1").arg(i));
    return linesOf(texts);
}
} // namespace

class ListSearchTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void findNextStepsThroughTheMatchesAndWraps();
    void aNewTextStartsFromTheTop();
    void withoutSelectionTheFirstLineIsSelected();
    void noMatchKeepsTheSelection();
    void emptyListKeepsTheLastText();
    void aSingleMatchIsFoundAgain();
    void matching_data();
    void matching();
};

void ListSearchTest::findNextStepsThroughTheMatchesAndWraps()
{
    const ListLines lines = annaLines();
    ListSearch search;
    qsizetype selected = 0;
    QList<qsizetype> rows;
    for (int click = 0; click < 4; ++click) {
        const ListSearch::Result result = search.find(lines, selected, QStringLiteral("anna"));
        QCOMPARE(result.outcome, ListSearch::Outcome::Found);
        selected = result.row;
        rows.append(selected);
    }
    QCOMPARE(rows, (QList<qsizetype>{1, 4, 7, 1}));
    QCOMPARE(search.lastText(), QStringLiteral("anna"));
}

void ListSearchTest::aNewTextStartsFromTheTop()
{
    const ListLines lines = annaLines();
    ListSearch search;
    QCOMPARE(search.find(lines, 0, QStringLiteral("anna")).row, 1);
    // Another text that the first line holds selects it, whatever is selected.
    const ListSearch::Result result = search.find(lines, 7, QStringLiteral("CLIENTE"));
    QCOMPARE(result.outcome, ListSearch::Outcome::Found);
    QCOMPARE(result.row, 0);
    QCOMPARE(search.lastText(), QStringLiteral("cliente"));
    // Back to the first text: a new search again, from the top.
    QCOMPARE(search.find(lines, 0, QStringLiteral("Anna")).row, 1);
}

void ListSearchTest::withoutSelectionTheFirstLineIsSelected()
{
    const ListLines lines = annaLines();
    ListSearch search;
    const ListSearch::Result empty = search.find(lines, -1, QString());
    QCOMPARE(empty.outcome, ListSearch::Outcome::NotFound);
    QCOMPARE(empty.row, 0);
    QCOMPARE(search.find(lines, -1, QStringLiteral("anna")).row, 1);
}

void ListSearchTest::noMatchKeepsTheSelection()
{
    const ListLines lines = annaLines();
    ListSearch search;
    const ListSearch::Result result = search.find(lines, 4, QStringLiteral("verdi"));
    QCOMPARE(result.outcome, ListSearch::Outcome::NotFound);
    QCOMPARE(result.row, 4);
    QCOMPARE(search.find(lines, 4, QStringLiteral("verdi")).row, 4);
}

void ListSearchTest::emptyListKeepsTheLastText()
{
    ListSearch search;
    search.find(annaLines(), 0, QStringLiteral("anna"));
    const ListSearch::Result result = search.find(ListLines(), -1, QStringLiteral("rossi"));
    QCOMPARE(result.outcome, ListSearch::Outcome::EmptyList);
    QCOMPARE(search.lastText(), QStringLiteral("anna"));
    search.reset();
    QCOMPARE(search.lastText(), QString());
}

void ListSearchTest::aSingleMatchIsFoundAgain()
{
    // Find next comes back to the selected line and tests it on arrival.
    const ListLines lines = linesOf({"Rossi", "Bianchi", "Verdi"});
    ListSearch search;
    QCOMPARE(search.find(lines, 0, QStringLiteral("bianchi")).row, 1);
    const ListSearch::Result again = search.find(lines, 1, QStringLiteral("bianchi"));
    QCOMPARE(again.outcome, ListSearch::Outcome::Found);
    QCOMPARE(again.row, 1);
    QCOMPARE(search.find(linesOf({"Rossi"}), 0, QStringLiteral("rossi")).outcome, ListSearch::Outcome::Found);
    QCOMPARE(search.find(linesOf({"Rossi"}), 0, QStringLiteral("rossi")).outcome, ListSearch::Outcome::Found);
}

void ListSearchTest::matching_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("found");

    QTest::newRow("capitals in the line") << "ROSSI MARIO"
                                          << "rossi" << true;
    QTest::newRow("capitals typed") << "rossi mario"
                                    << "ROSSI M" << true;
    QTest::newRow("accented capital not folded") << QStringLiteral("\u00C8 vero") << QStringLiteral("\u00E8") << false;
    QTest::newRow("accented letter as typed") << QStringLiteral("Citt\u00E0") << QStringLiteral("CITT\u00E0") << true;
    QTest::newRow("spaces are part of the text") << "Rossi Anna"
                                                 << " rossi" << false;
    QTest::newRow("spaces inside") << "Bianchi Rossi"
                                   << " rossi" << true;
    QTest::newRow("empty text never matches") << "Rossi"
                                              << "" << false;
    QTest::newRow("longer than the line") << "Ros"
                                          << "rossi" << false;
    QTest::newRow("at the very end") << QStringLiteral("Importo: \u20AC 45,00") << QStringLiteral("\u20AC 45,00")
                                     << true;
    QTest::newRow("after a false start") << "Rossana Rossi"
                                         << "rossi" << true;
    QTest::newRow("first letter in both cases") << "Anna anNa Bianchi"
                                                << "nna b" << true;
    QTest::newRow("a letter Windows-1252 lacks") << "Lodz" << QStringLiteral("\u0142odz") << false;
}

void ListSearchTest::matching()
{
    QFETCH(QString, line);
    QFETCH(QString, typed);
    QFETCH(bool, found);
    QCOMPARE(AsciiCase::contains(line, AsciiCase::lowered(typed)), found);
    // The same on the stored bytes of the line, with the text encoded as stored.
    const std::optional<QByteArray> stored = Cp1252::encodeExactly(line);
    QVERIFY(stored);
    const std::optional<QByteArray> needle = Cp1252::encodeExactly(AsciiCase::lowered(typed));
    QCOMPARE(needle && AsciiCase::contains(QByteArrayView(*stored), QByteArrayView(*needle)), found);
    ListSearch search;
    QCOMPARE(search.find(linesOf({line}), 0, typed).outcome,
             found ? ListSearch::Outcome::Found : ListSearch::Outcome::NotFound);
}

QTEST_APPLESS_MAIN(ListSearchTest)
#include "ListSearchTest.moc"
