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
        rows.append({"1", "Modalit\xE0 \x80 5", "\x81 ok"});
        rows.append({"2"});
        GridCells joined{"3", "c"};
        joined.extend(" d");
        joined.add("");
        joined.add("dropped");
        rows.append(joined);
        rows.appendEmpty(2);

        QCOMPARE(rows.size(), 5);
        QCOMPARE(rows.cell(0, 1), QStringLiteral("Modalit\u00E0 \u20AC 5"));
        QCOMPARE(rows.stored(0, 1), QByteArrayView("Modalit\xE0 \x80 5"));
        // The byte the code page leaves undefined is the control character of its code.
        QCOMPARE(rows.cell(0, 2), QStringLiteral("\u0081 ok"));
        QCOMPARE(rows.cell(1, 0), QStringLiteral("2"));
        QCOMPARE(rows.cell(1, 2), QString());
        QCOMPARE(rows.cell(2, 1), QStringLiteral("c d"));
        QCOMPARE(rows.cell(2, 2), QString());
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
        const QByteArrayList keys{"b", "A", "c", "a", "B"};
        for (int i = 0; i < keys.size(); ++i)
            rows.append({QByteArray::number(i + 1), keys.at(i), QByteArray("row " + QByteArray::number(i + 1))});

        rows.sortByColumn(1);

        QCOMPARE(column(rows, 1), (QStringList{"A", "a", "b", "B", "c"}));
        QCOMPARE(column(rows, 0), (QStringList{"2", "4", "1", "5", "3"}));
        QCOMPARE(column(rows, 2), (QStringList{"row 2", "row 4", "row 1", "row 5", "row 3"}));
    }

    void sortOrderIsTheSameInEveryLocale_data() { sortMovesWholeRowsAndIgnoresCase_data(); }

    void sortOrderIsTheSameInEveryLocale()
    {
        // A collation would put the accented letter between e and f, and the
        // digits by their value. The euro sign is byte 0x80 but character
        // 0x20AC, so it comes after the accented letter (byte 0xE9).
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        GridRows rows(2);
        const QByteArrayList keys{"f", "\xE9", "E", "\x80", "9", "e", "10"};
        for (int i = 0; i < keys.size(); ++i)
            rows.append({QByteArray::number(i + 1), keys.at(i)});

        rows.sortByColumn(1);

        QCOMPARE(column(rows, 1), (QStringList{"10", "9", "E", "e", "f", "\u00E9", "\u20AC"}));
        QCOMPARE(column(rows, 0), (QStringList{"7", "5", "3", "6", "1", "2", "4"}));
    }

    void numbersTravelWithTheirRows()
    {
        // Stored at 15:30, 09:00 and 11:00 on one day.
        GridRows rows(2);
        rows.append({"1", "202405101530"});
        rows.append({"2", "202405100900"});
        rows.append({"3", "202405101100"});

        rows.sortByColumn(1);

        QCOMPARE(column(rows, 1), (QStringList{"202405100900", "202405101100", "202405101530"}));
        QCOMPARE(column(rows, 0), (QStringList{"2", "3", "1"}));
    }
};

QTEST_GUILESS_MAIN(GridRowsTest)
#include "GridRowsTest.moc"
