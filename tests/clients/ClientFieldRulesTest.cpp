#include "clients/ClientFieldRules.h"

#include <QSet>
#include <QTest>

using ClientFieldRules::Transform;

class ClientFieldRulesTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void provinceCodes()
    {
        const QStringList& codes = ClientFieldRules::provinceCodes();
        QCOMPARE(codes.size(), 112);
        QCOMPARE(codes.first(), QString("AG"));
        QCOMPARE(codes.last(), QString("VV"));
        // Old and new provinces alike, and EE for abroad; alphabetical, each once.
        for (const char* code : {"EE", "FO", "MB", "OG", "OT", "RM"})
            QVERIFY2(codes.contains(QLatin1String(code)), code);
        QStringList sorted = codes;
        sorted.sort();
        QCOMPARE(codes, sorted);
        QCOMPARE(QSet<QString>(codes.begin(), codes.end()).size(), 112);
        for (const QString& code : codes)
            QVERIFY2(code.size() == 2 && code == code.toUpper(), qPrintable(code));
    }

    void transforms_data()
    {
        QTest::addColumn<int>("transform");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("upper: only a-z") << int(Transform::Upper) << QString("rm \u00E8 \u00E0bc-1")
                                         << QString("RM \u00E8 \u00E0BC-1");
        QTest::newRow("upper keeps blanks") << int(Transform::Upper) << QString(" ab ") << QString(" AB ");
        QTest::newRow("trim: control characters") << int(Transform::Trim) << QString("\t a b \r\n") << QString("a b");
        QTest::newRow("trim keeps no-break space") << int(Transform::Trim) << QString("\u00A0a ") << QString("\u00A0a");
        QTest::newRow("trim and upper") << int(Transform::TrimUpper) << QString("  it60 x ") << QString("IT60 X");
        QTest::newRow("none") << int(Transform::None) << QString(" rm ") << QString(" rm ");
    }
    void transforms()
    {
        QFETCH(int, transform);
        QFETCH(QString, text);
        QFETCH(QString, result);
        QCOMPARE(ClientFieldRules::apply(Transform(transform), text), result);
    }

    void companyFiscalCode_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("company");
        QTest::newRow("eleven digits") << "12345678903" << true;
        QTest::newRow("one digit") << "0" << true;
        QTest::newRow("personal code") << "RSSMRA80A01H501U" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("digits and a blank") << "123 456" << false;
        QTest::newRow("non-ASCII digit") << QString("12\u0663") << false;
    }
    void companyFiscalCode()
    {
        QFETCH(QString, code);
        QFETCH(bool, company);
        QCOMPARE(ClientFieldRules::isCompanyFiscalCode(code), company);
    }
};

QTEST_APPLESS_MAIN(ClientFieldRulesTest)
#include "ClientFieldRulesTest.moc"
