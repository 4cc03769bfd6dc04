#include "reports/GridRows.h"

#include <QTest>

class GridRowsTest : public QObject
{
    Q_OBJECT

private:
    static QStringList column(const GridRows& rows, int c)
    {
        QStringList texts;
        for (qsizetype r = 0; r < rows.size(); ++r)
            texts << rows.cell(r, c);
        return texts;
    }

private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void cellsKeepTheirTexts()
    {
        GridRows rows(3);
        rows.append({QStringLiteral("1"), QStringLiteral("Modalit\u00E0 \u20AC 5"), QStringLiteral("\U0001F600 ok")});
        rows.append({QStringLiteral("2")});
        rows.append({QStringLiteral("3"), QString(), QStringLiteral("c"), QStringLiteral("dropped")});
        rows.appendEmpty(2);

        QCOMPARE(rows.size(), 5);
        QCOMPARE(rows.cell(0, 1), QStringLiteral("Modalit\u00E0 \u20AC 5"));
        QCOMPARE(rows.cell(0, 2), QStringLiteral("\U0001F600 ok"));
        QCOMPARE(rows.cell(1, 0), QStringLiteral("2"));
        QCOMPARE(rows.cell(1, 2), QString());
        QCOMPARE(rows.cell(2, 1), QString());
        QCOMPARE(rows.cell(2, 2), QStringLiteral("c"));
        QCOMPARE(rows.cell(4, 0), QString());
        // Outside the grid there is nothing.
        QCOMPARE(rows.cell(2, 3), QString());
        QCOMPARE(rows.cell(5, 0), QString());
    }

    void sortMovesWholeRowsAndIgnoresCase_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("C") << QLocale::c();
        QTest::newRow("Italian") << QLocale(QLocale::Italian, QLocale::Italy);
    }

    void sortMovesWholeRowsAndIgnoresCase()
    {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        GridRows rows(3);
        const QStringList keys{QStringLiteral("b"), QStringLiteral("A"), QStringLiteral("c"), QStringLiteral("a"),
                               QStringLiteral("B")};
        for (int i = 0; i < keys.size(); ++i)
            rows.append({QString::number(i + 1), keys.at(i), QStringLiteral("row %1").arg(i + 1)});

        rows.sortByColumn(1);

        QCOMPARE(column(rows, 1), (QStringList{"A", "a", "b", "B", "c"}));
        QCOMPARE(column(rows, 0), (QStringList{"2", "4", "1", "5", "3"}));
        QCOMPARE(column(rows, 2), (QStringList{"row 2", "row 4", "row 1", "row 5", "row 3"}));
    }

    void sortOrderIsTheSameInEveryLocale_data() { sortMovesWholeRowsAndIgnoresCase_data(); }

    void sortOrderIsTheSameInEveryLocale()
    {
        // A collation would put the accented letter between e and f, and the
        // digits by their value.
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        GridRows rows(2);
        const QStringList keys{QStringLiteral("f"), QStringLiteral("\u00E9"), QStringLiteral("E"),
                               QStringLiteral("9"), QStringLiteral("e"),      QStringLiteral("10")};
        for (int i = 0; i < keys.size(); ++i)
            rows.append({QString::number(i + 1), keys.at(i)});

        rows.sortByColumn(1);

        QCOMPARE(column(rows, 1), (QStringList{"10", "9", "E", "e", "f", "\u00E9"}));
        QCOMPARE(column(rows, 0), (QStringList{"6", "4", "3", "5", "1", "2"}));
    }

    void numbersTravelWithTheirRows()
    {
        // Stored at 15:30, 09:00 and 11:00 on one day.
        GridRows rows(2);
        rows.append({QStringLiteral("1"), QStringLiteral("202405101530")});
        rows.append({QStringLiteral("2"), QStringLiteral("202405100900")});
        rows.append({QStringLiteral("3"), QStringLiteral("202405101100")});

        rows.sortByColumn(1);

        QCOMPARE(column(rows, 1), (QStringList{"202405100900", "202405101100", "202405101530"}));
        QCOMPARE(column(rows, 0), (QStringList{"2", "3", "1"}));
    }
};

QTEST_GUILESS_MAIN(GridRowsTest)
#include "GridRowsTest.moc"
