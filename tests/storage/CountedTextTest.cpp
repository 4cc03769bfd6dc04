#include "storage/CountedText.h"
#include "storage/Cp1252.h"

#include <QTest>

// The field codec against hand-built bytes: the length byte, the
// Windows-1252 text, trimming and the cut to capacity.
class CountedTextTest : public QObject
{
    Q_OBJECT

private:
    // A field of the given capacity as stored, the unused bytes filled with
    // filler so that a reader that looks past the length byte shows.
    static QByteArray field(int capacity, const QByteArray& stored, char filler = 'x')
    {
        QByteArray bytes(capacity + 1, filler);
        bytes[0] = char(stored.size());
        bytes.replace(1, stored.size(), stored);
        return bytes;
    }

private Q_SLOTS:
    void store_data()
    {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("trimmed") << 50 << QStringLiteral("  Rossi  ") << QByteArray("\x05Rossi");
        QTest::newRow("tabs and line breaks are blanks") << 10 << QStringLiteral("\t\r\nAB\n\x01")
                                                         << QByteArray("\x02"
                                                                       "AB");
        QTest::newRow("inner blanks kept") << 20 << QStringLiteral(" De  Luca ")
                                           << QByteArray("\x08"
                                                         "De  Luca");
        QTest::newRow("empty") << 5 << QString() << QByteArray("\x00", 1);
        QTest::newRow("only blanks") << 5 << QStringLiteral("   ") << QByteArray("\x00", 1);
        QTest::newRow("flag yes") << 2 << QStringLiteral("S\u00EC") << QByteArray("\x02\x53\xEC");
        QTest::newRow("flag no") << 2 << QStringLiteral("No") << QByteArray("\x02\x4E\x6F");
        QTest::newRow("e grave") << 5 << QStringLiteral("\u00E8") << QByteArray("\x01\xE8");
        QTest::newRow("euro") << 5 << QStringLiteral("\u20AC 5") << QByteArray("\x03\x80 5");
        QTest::newRow("greek letter") << 5 << QStringLiteral("\u03B1") << QByteArray("\x01?");
        QTest::newRow("a surrogate pair is one character") << 5 << QStringLiteral("a\U0001F600b")
                                                           << QByteArray("\x03"
                                                                         "a?b");
        QTest::newRow("high range") << 10 << QStringLiteral("\u201C\u0153\u2122\u0178\u201D")
                                    << QByteArray("\x05\x93\x9C\x99\x9F\x94");
        QTest::newRow("cut after trimming") << 3 << QStringLiteral("   abcdef")
                                            << QByteArray("\x03"
                                                          "abc");
        QTest::newRow("a blank at the cut stays") << 3 << QStringLiteral("ab cd")
                                                  << QByteArray("\x03"
                                                                "ab ");
    }

    void store()
    {
        QFETCH(int, capacity);
        QFETCH(QString, text);
        QFETCH(QByteArray, expected);
        QByteArray bytes(capacity + 1, char(0xAA));
        CountedText::store(bytes.data(), capacity, text);
        // The bytes after the text are zeroed.
        QCOMPARE(bytes, expected + QByteArray(capacity + 1 - expected.size(), '\0'));
    }

    void storeCutsToCapacity()
    {
        QByteArray bytes(51, '\0');
        CountedText::store(bytes.data(), 50, QString(60, QLatin1Char('a')));
        QCOMPARE(bytes, QByteArray("\x32") + QByteArray(50, 'a'));
        QCOMPARE(CountedText::load(bytes.constData(), 50), QString(50, QLatin1Char('a')));
    }

    void load_data()
    {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");

        QTest::newRow("length 0 whatever follows") << 5 << field(5, {}, 'z') << QString();
        QTest::newRow("only the length counts") << 10 << field(10, "Bianchi", 'Q') << QStringLiteral("Bianchi");
        QTest::newRow("leading blanks of another tool") << 10 << field(10, "  \tNeri ") << QStringLiteral("Neri");
        QTest::newRow("flag yes") << 2 << QByteArray("\x02\x53\xEC") << QStringLiteral("S\u00EC");
        QTest::newRow("e grave and euro") << 5 << field(5, "\xE8\x80") << QStringLiteral("\u00E8\u20AC");
        // A damaged or foreign length byte never reads past the field.
        QTest::newRow("length above capacity") << 4
                                               << (QByteArray("\x09"
                                                              "abcd") +
                                                   "NEXT")
                                               << QStringLiteral("abcd");
        QTest::newRow("length 255") << 2
                                    << (QByteArray("\xFF"
                                                   "ok") +
                                        "beyond")
                                    << QStringLiteral("ok");
    }

    void load()
    {
        QFETCH(int, capacity);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QCOMPARE(CountedText::load(bytes.constData(), capacity), expected);
    }

    void rawBytesAreUntrimmedAndWithinTheField()
    {
        const QByteArray bytes = QByteArray("\x07 a b  \xFF") + "after";
        QCOMPARE(QByteArray(CountedText::bytes(bytes.constData(), 3).toByteArray()), QByteArray(" a "));
        QCOMPARE(QByteArray(CountedText::bytes(bytes.constData(), 10).toByteArray()), QByteArray(" a b  \xFF"));
    }

    void everyByteDecodes()
    {
        // Windows-1252 bytes 80-9F; the five it leaves undefined (81, 8D, 8F,
        // 90, 9D) decode to the control character of the same code.
        const char16_t high[32] = {
            0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
        };
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString decoded = Cp1252::decode(&byte, 1);
            QCOMPARE(decoded.size(), 1);
            const char16_t expected = (b >= 0x80 && b < 0xA0) ? high[b - 0x80] : char16_t(b);
            QCOMPARE(int(decoded.at(0).unicode()), int(expected));
            // And every decoded character is stored back as its own byte.
            QCOMPARE(Cp1252::encode(decoded), QByteArray(1, byte));
        }
    }
};

QTEST_GUILESS_MAIN(CountedTextTest)
#include "CountedTextTest.moc"
