#include "access/Crypt.h"
#include "access/PasswordStore.h"

#include <QTest>

class CryptTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encryptKnownValues_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("hex");
        // Worked out by hand from the cipher's constants.
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("one letter") << "A" << "3A";
        QTest::newRow("three letters") << "ABC" << "3AF7CF";
        QTest::newRow("third changed") << "ABX" << "3AF7D4";
        QTest::newRow("latin-1 letter") << QStringLiteral("\u00E8") << "93";
        QTest::newRow("initial password") << "PRIMOACCESSODI" << "2B5EC46E64F8DCAD9DBB9C95DDBD";
    }
    void encryptKnownValues()
    {
        QFETCH(QString, plain);
        QFETCH(QString, hex);
        QCOMPARE(Crypt::Encrypt(plain), hex);
        QCOMPARE(Crypt::Decrypt(hex), std::optional<QString>(plain));
    }

    void decryptAcceptsLowerCaseAndIgnoresOddDigit()
    {
        QCOMPARE(Crypt::Decrypt("3af7cf"), std::optional<QString>("ABC"));
        const QString stored = "2B5EC46E64F8DCAD9DBB9C95DDBD";
        QCOMPARE(Crypt::Decrypt(stored + "7"), std::optional<QString>("PRIMOACCESSODI"));
    }

    void decryptRefusesNonHex()
    {
        QVERIFY(!Crypt::Decrypt("3AG7"));
        QVERIFY(!Crypt::Decrypt("3A F7"));
    }

    void roundTripEveryLatin1Character()
    {
        QString all;
        for (int c = 1; c <= 255; ++c)
            all += QChar(c);
        QCOMPARE(Crypt::Decrypt(Crypt::Encrypt(all)), std::optional<QString>(all));
    }

    void normaliseChangesOnlyAsciiLetters()
    {
        QCOMPARE(PasswordStore::normalise("  primoAccessodi \t"), QString("PRIMOACCESSODI"));
        QCOMPARE(PasswordStore::normalise(QStringLiteral("caff\u00E8")), QStringLiteral("CAFF\u00E8"));
    }
};

QTEST_GUILESS_MAIN(CryptTest)
#include "CryptTest.moc"
