#include "reports/ListLines.h"

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>

namespace {
ListLines linesOf(const QStringList& texts)
{
    ListLines lines;
    qint64 position = 1;
    for (const QString& text : texts)
        lines.append(text, position++);
    return lines;
}

QStringList textsOf(const ListLines& lines)
{
    QStringList texts;
    for (qsizetype row = 0; row < lines.size(); ++row)
        texts.append(lines.line(row));
    return texts;
}

// The order written out plainly: a-z become A-Z, then unit by unit by code.
bool foldedLess(const QString& a, const QString& b)
{
    const auto fold = [](const QString& text) {
        std::vector<char16_t> units;
        for (const QChar c : text)
            units.push_back(c >= u'a' && c <= u'z' ? char16_t(c.unicode() - 32) : c.unicode());
        return units;
    };
    const auto fa = fold(a);
    const auto fb = fold(b);
    return std::lexicographical_compare(fa.begin(), fa.end(), fb.begin(), fb.end());
}
} // namespace

class ListSortTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void order_data();
    void order();
    void equalLinesKeepTheirRecords();
    void agreesWithThePlainRuleOnRandomLines();
};

void ListSortTest::order_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("case is ignored") << QStringList{"rossi anna", "Bianchi Carla", "ROSSI ANDREA", "bianchi bruno"}
                                     << QStringList{"bianchi bruno", "Bianchi Carla", "ROSSI ANDREA", "rossi anna"};
    // '_' (95) lies between 'Z' (90) and 'a' (97): folding to capitals puts it after every letter.
    QTest::newRow("letters fold to capitals")
        << QStringList{"_x", "b", "A", "[y", "Z"} << QStringList{"A", "b", "Z", "[y", "_x"};
    QTest::newRow("accented letters by their code")
        << QStringList{QStringLiteral("\u00E8lite"), QStringLiteral("\u00C8LITE"), "elite", "Zeta"}
        << QStringList{"elite", "Zeta", QStringLiteral("\u00C8LITE"), QStringLiteral("\u00E8lite")};
    QTest::newRow("digits and prefixes") << QStringList{"ID: 202405101530", "ID: 20240510090", "ID: 202405100900"}
                                         << QStringList{"ID: 20240510090", "ID: 202405100900", "ID: 202405101530"};
    QTest::newRow("differences after sixteen units")
        << QStringList{"ID: 202405101530  Data: 10/05/2024  rossi anna", "ID: 202405101530  Data: 10/05/2024  Bianchi"}
        << QStringList{"ID: 202405101530  Data: 10/05/2024  Bianchi", "ID: 202405101530  Data: 10/05/2024  rossi anna"};
    // Lines hold the archives' characters (Windows-1252); some of them lie beyond one byte.
    QTest::newRow("units beyond one byte")
        << QStringList{QStringLiteral("\u0160A"), QStringLiteral("\u0152B"), QStringLiteral("\u00FFC")}
        << QStringList{QStringLiteral("\u00FFC"), QStringLiteral("\u0152B"), QStringLiteral("\u0160A")};
    QTest::newRow("euro amounts") << QStringList{QStringLiteral("\u20AC 5"), QStringLiteral("\u20AC 40"), "E 9"}
                                  << QStringList{"E 9", QStringLiteral("\u20AC 40"), QStringLiteral("\u20AC 5")};
    QTest::newRow("a prefix first") << QStringList{"ROSSI ", "ROSSI", "ROSS"} << QStringList{"ROSS", "ROSSI", "ROSSI "};
    QTest::newRow("empty") << QStringList{} << QStringList{};
}

void ListSortTest::order()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, expected);
    ListLines list = linesOf(lines);
    list.sortFolded();
    QCOMPARE(textsOf(list), expected);
}

void ListSortTest::equalLinesKeepTheirRecords()
{
    ListLines list = linesOf({"rossi", "ANNA", "Rossi", "ROSSI", "anna"});
    list.sortFolded();
    QCOMPARE(textsOf(list), (QStringList{"ANNA", "anna", "rossi", "Rossi", "ROSSI"}));
    const QList<qint64> positions{list.position(0), list.position(1), list.position(2), list.position(3),
                                  list.position(4)};
    QCOMPARE(positions, (QList<qint64>{2, 5, 1, 3, 4}));
}

void ListSortTest::agreesWithThePlainRuleOnRandomLines()
{
    const QString alphabet = QStringLiteral("aAbBzZ_[ 09\u00E8\u00C8\u00FF\u0152\u20AC\u0081");
    QRandomGenerator random(20240510);
    QStringList texts;
    for (int i = 0; i < 3000; ++i) {
        QString text = QStringLiteral("ID: 2024");
        const int length = random.bounded(0, 30);
        for (int j = 0; j < length; ++j)
            text += alphabet.at(random.bounded(alphabet.size()));
        texts.append(text);
    }
    ListLines list = linesOf(texts);
    list.sortFolded();
    const QStringList sorted = textsOf(list);
    for (qsizetype i = 1; i < sorted.size(); ++i)
        QVERIFY2(!foldedLess(sorted.at(i), sorted.at(i - 1)), qPrintable(sorted.at(i - 1) + " / " + sorted.at(i)));
    QStringList expected = texts;
    std::stable_sort(expected.begin(), expected.end(), foldedLess);
    QCOMPARE(sorted, expected);
}

QTEST_APPLESS_MAIN(ListSortTest)
#include "ListSortTest.moc"
