#include "appointments/Amount.h"

#include <QTest>

class AmountTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void normalise_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        QTest::newRow("whole") << "12" << "12,00";
        QTest::newRow("one decimal") << "12,5" << "12,50";
        QTest::newRow("two decimals") << "12,35" << "12,35";
        QTest::newRow("three decimals") << "12,345" << "12,35";
        QTest::newRow("leading zeros") << "007" << "7,00";
        QTest::newRow("zero") << "0" << "0,00";
        QTest::newRow("cents") << "0,05" << "0,05";
        QTest::newRow("large") << "1250,5" << "1250,50";
        QTest::newRow("fourteen digits") << "99999999999999" << "99999999999999,00";
        // A half cent is judged on the binary value the amount is held as.
        QTest::newRow("exact half") << "0,125" << "0,13";
        QTest::newRow("held above the half") << "2,345" << "2,35";
        QTest::newRow("held below the half 1,005") << "1,005" << "1,00";
        QTest::newRow("held below the half 2,675") << "2,675" << "2,67";
        QTest::newRow("below a cent") << "0,004" << "0,00";
        QTest::newRow("rounds up to a whole") << "9,999" << "10,00";
        QTest::newRow("trailing comma") << "5," << "5,00";
        QTest::newRow("leading comma") << ",5" << "0,50";
        QTest::newRow("surrounding blanks") << " 12,5 " << "12,50";
        QTest::newRow("negative") << "-2,675" << "-2,67";
        QTest::newRow("empty") << "" << "0,00";
        QTest::newRow("blanks") << "   " << "0,00";
        QTest::newRow("two commas") << "1,2,3" << "0,00";
        QTest::newRow("decimal point") << "1.5" << "0,00";
        QTest::newRow("letter") << "12a" << "0,00";
        QTest::newRow("comma alone") << "," << "0,00";
        QTest::newRow("thousands separator") << "1.250,50" << "0,00";
        QTest::newRow("exponent") << "1e3" << "0,00";
        QTest::newRow("inner blank") << "12 5" << "0,00";
    }
    void normalise()
    {
        QFETCH(QString, typed);
        QFETCH(QString, result);
        QCOMPARE(Amount::normalise(typed), result);
    }

    void generalForm_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 12.0 << "12";
        QTest::newRow("no trailing zeros") << 12.5 << "12,5";
        QTest::newRow("cents") << 0.05 << "0,05";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("sum noise hidden by 15 digits") << 0.1 + 0.2 << "0,3";
    }
    void generalForm()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(Amount::generalForm(value), text);
    }

    // A running total of stored amounts, as the treatments history shows it.
    void totalOfStoredAmounts()
    {
        double total = 0;
        for (const char* stored : {"10,00", "2,50", "0,05"})
            total += *Amount::parse(QString::fromLatin1(stored));
        QCOMPARE(Amount::normalise(Amount::generalForm(total)), QString("12,55"));
        QCOMPARE(Amount::normalise(Amount::generalForm(*Amount::parse("0,10") + *Amount::parse("0,20"))),
                 QString("0,30"));
    }

    void parse()
    {
        QCOMPARE(Amount::parse(" 25,00 "), std::optional<double>(25.0));
        QCOMPARE(Amount::parse("1250,5"), std::optional<double>(1250.5));
        QVERIFY(!Amount::parse("").has_value());
        QVERIFY(!Amount::parse("abc").has_value());
        QVERIFY(!Amount::parse("-").has_value());
    }
};

QTEST_APPLESS_MAIN(AmountTest)
#include "AmountTest.moc"
