#include "checks/CreditCard.h"
#include "checks/FiscalCode.h"
#include "checks/Iban.h"
#include "checks/VatNumber.h"

#include <QTest>

Q_DECLARE_METATYPE(CreditCard::Outcome)

class IdentifierChecksTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fiscalCodeVerdict_data();
    void fiscalCodeVerdict();
    void fiscalCodeTables_data();
    void fiscalCodeTables();

    void vatNumberVerdict_data();
    void vatNumberVerdict();
    void vatNumberCatchesEverySingleDigitChange();
    void vatOfficeTable();

    void cardVerdict_data();
    void cardVerdict();
    void cardCheckValue_data();
    void cardCheckValue();

    void ibanVerdict_data();
    void ibanVerdict();
    void ibanRemainder();
};

void IdentifierChecksTest::fiscalCodeVerdict_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("valid");

    QTest::newRow("Rossi Mario") << "RSSMRA85T10A562S" << true;
    QTest::newRow("Moretti Matteo") << "MRTMTT25D09F205Z" << true;
    QTest::newRow("Rossi Mario, Roma") << "RSSMRA80A01H501U" << true;
    QTest::newRow("check character changed") << "RSSMRA85T10A562T" << false;
    QTest::newRow("surname letter changed") << "RSTMRA85T10A562S" << false;
    QTest::newRow("year digit changed") << "RSSMRA86T10A562S" << false;
    QTest::newRow("place digit changed") << "RSSMRA85T10A563S" << false;
    QTest::newRow("15 characters") << "RSSMRA85T10A562" << false;
    QTest::newRow("17 characters") << "RSSMRA85T10A562SS" << false;
    QTest::newRow("hyphen") << "RSSMRA85T10A56-S" << false;
    QTest::newRow("space inside") << "RSSMRA85 10A562S" << false;
    QTest::newRow("accented letter") << QString::fromUtf8("RSSMR\xC3\x80"
                                                          "85T10A562S")
                                     << false;
    QTest::newRow("lower-case letter beyond Z") << "RSSMRA85T10a562S" << false;
}

void IdentifierChecksTest::fiscalCodeVerdict()
{
    QFETCH(QString, code);
    QFETCH(bool, valid);
    QCOMPARE(FiscalCode::isValid(code), valid);
}

// Every character from "0" to "Z" in an odd and in an even position; the
// expected check characters were worked out by hand from the published tables.
void IdentifierChecksTest::fiscalCodeTables_data()
{
    QTest::addColumn<QString>("first15");
    QTest::addColumn<QChar>("check");

    QTest::newRow("0-9 : ; < = >") << "0123456789:;<=>" << QChar('W');
    QTest::newRow("? @ A-M") << "?@ABCDEFGHIJKLM" << QChar('B');
    QTest::newRow("N-Z 0 1") << "NOPQRSTUVWXYZ01" << QChar('J');
    QTest::newRow("1-9 : ; < = > ?") << "123456789:;<=>?" << QChar('A');
    QTest::newRow("@ A-N") << "@ABCDEFGHIJKLMN" << QChar('U');
    QTest::newRow("O-Z 0-2") << "OPQRSTUVWXYZ012" << QChar('K');
    QTest::newRow("? and N in even places") << "Z?YNXMWLVKUJTIS" << QChar('B');
}

void IdentifierChecksTest::fiscalCodeTables()
{
    QFETCH(QString, first15);
    QFETCH(QChar, check);
    QCOMPARE(FiscalCode::checkCharacter(first15), std::optional<QChar>(check));
    QVERIFY(FiscalCode::isValid(first15 + check));
}

void IdentifierChecksTest::vatNumberVerdict_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("office");

    QTest::newRow("office 058") << "00811720580" << true << "Roma 1";
    QTest::newRow("office 120") << "03740811207" << true << "Bologna 2";
    QTest::newRow("office 105, unknown") << "00000001057" << true << "";
    QTest::newRow("check digit changed") << "00811720581" << false << "";
    QTest::newRow("letter") << "0081172058A" << false << "";
    QTest::newRow("10 digits") << "0081172058" << false << "";
    QTest::newRow("12 digits") << "008117205800" << false << "";
    QTest::newRow("space") << "0081172 580" << false << "";
}

void IdentifierChecksTest::vatNumberVerdict()
{
    QFETCH(QString, number);
    QFETCH(bool, valid);
    QFETCH(QString, office);
    QCOMPARE(VatNumber::isValid(number), valid);
    if (valid)
        QCOMPARE(VatNumber::officeName(VatNumber::officeCode(number)), office);
}

void IdentifierChecksTest::vatNumberCatchesEverySingleDigitChange()
{
    const QString valid = QStringLiteral("03740811207");
    for (int position = 0; position < valid.size(); ++position) {
        for (char digit = '0'; digit <= '9'; ++digit) {
            QString changed = valid;
            changed[position] = QLatin1Char(digit);
            if (changed != valid)
                QVERIFY2(!VatNumber::isValid(changed), qPrintable(changed));
        }
    }
}

void IdentifierChecksTest::vatOfficeTable()
{
    QStringList known;
    for (int code = 0; code <= 999; ++code) {
        const QString key = QString::number(code).rightJustified(3, QLatin1Char('0'));
        if (!VatNumber::officeName(key).isEmpty())
            known << key;
    }
    QCOMPARE(known.size(), 104);
    QCOMPARE(known.constFirst(), QStringLiteral("001"));
    QCOMPARE(known.at(101), QStringLiteral("102"));
    QCOMPARE(known.at(102), QStringLiteral("120"));
    QCOMPARE(known.constLast(), QStringLiteral("121"));

    QCOMPARE(VatNumber::officeName("001"), QStringLiteral("Torino"));
    QCOMPARE(VatNumber::officeName("040"), QStringLiteral("Forl\u00EC"));
    QCOMPARE(VatNumber::officeName("066"), QStringLiteral("Aquila"));
    QCOMPARE(VatNumber::officeName("096"), QStringLiteral("Monza (Milano 2)"));
    QCOMPARE(VatNumber::officeName("097"), QStringLiteral("Prato (Firenze 2)"));
    QCOMPARE(VatNumber::officeName("099"), QStringLiteral("Chiavari (Genova 2)"));
    QCOMPARE(VatNumber::officeName("100"), QStringLiteral("Roma 2"));
    QCOMPARE(VatNumber::officeName("120"), VatNumber::officeName("101"));
    QCOMPARE(VatNumber::officeName("121"), QStringLiteral("Napoli 2"));
    QCOMPARE(VatNumber::officeName("58"), QString());
}

void IdentifierChecksTest::cardVerdict_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<CreditCard::Outcome>("outcome");
    QTest::addColumn<QString>("circuit");

    const auto named = CreditCard::Outcome::Circuit;
    const auto wrong = CreditCard::Outcome::Wrong;
    const QString diners = QStringLiteral("Diner's Club / Carte Blanche");

    // The circuits' published test numbers.
    QTest::newRow("Visa") << "4111111111111111" << named << "Visa";
    QTest::newRow("Visa 2") << "4012888888881881" << named << "Visa";
    QTest::newRow("MasterCard") << "5555555555554444" << named << "MasterCard";
    QTest::newRow("MasterCard 2") << "5105105105105100" << named << "MasterCard";
    QTest::newRow("American Express 37") << "378282246310005" << named << "American Express";
    QTest::newRow("American Express 34") << "343434343434343" << named << "American Express";
    QTest::newRow("Diners 30") << "30569309025904" << named << diners;
    QTest::newRow("Diners 36") << "36227206271667" << named << diners;
    QTest::newRow("Diners 38") << "38520000023237" << named << diners;
    QTest::newRow("JCB 35") << "3530111333300000" << named << "JCB";
    QTest::newRow("JCB 31") << "3100000000000003" << named << "JCB";
    QTest::newRow("JCB 33") << "3300000000000001" << named << "JCB";
    QTest::newRow("Discover") << "6011111111111117" << named << "Discover";
    QTest::newRow("Discover 2") << "6011000990139424" << named << "Discover";

    QTest::newRow("42, no length rule") << "42" << named << "Visa";
    QTest::newRow("spaces between groups") << "4111 1111 1111 1111" << named << "Visa";
    QTest::newRow("leading spaces") << "  4111111111111111" << named << "Visa";
    QTest::newRow("32, no circuit") << "3200000000000002" << CreditCard::Outcome::Unnamed << "";

    QTest::newRow("Visa, last digit changed") << "4111111111111112" << wrong << "";
    QTest::newRow("MasterCard 2-series starts with 2") << "2223003122003222" << wrong << "";
    QTest::newRow("starts with 7") << "7000000000000005" << wrong << "";
    QTest::newRow("single 0") << "0" << wrong << "";
    QTest::newRow("empty") << "" << wrong << "";
    QTest::newRow("no digits") << "ABCD" << wrong << "";
    QTest::newRow("digits past the 20th character") << "4111 - 1111 - 1111 - 1111" << wrong << "";
}

void IdentifierChecksTest::cardVerdict()
{
    QFETCH(QString, number);
    QFETCH(CreditCard::Outcome, outcome);
    QFETCH(QString, circuit);
    const CreditCard::Verdict verdict = CreditCard::check(number);
    QCOMPARE(verdict.outcome, outcome);
    QCOMPARE(verdict.circuit, circuit);
}

void IdentifierChecksTest::cardCheckValue_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("value");

    QTest::newRow("0") << "0" << -2;
    QTest::newRow("18") << "18" << -1;
    QTest::newRow("26") << "26" << 0;
    QTest::newRow("34") << "34" << 1;
    QTest::newRow("42") << "42" << 2;
    QTest::newRow("59") << "59" << 3;
    QTest::newRow("67") << "67" << 4;
    QTest::newRow("75") << "75" << 5;
    QTest::newRow("91") << "91" << 7;
    QTest::newRow("wrong") << "43" << 0;
    QTest::newRow("single digit other than 0") << "4" << 0;
    QTest::newRow("twenty digits") << "41111111111111111115" << 2;
    QTest::newRow("21st character ignored") << "411111111111111111153" << 2;
}

void IdentifierChecksTest::cardCheckValue()
{
    QFETCH(QString, number);
    QFETCH(int, value);
    QCOMPARE(CreditCard::checkValue(number), value);
}

void IdentifierChecksTest::ibanVerdict_data()
{
    QTest::addColumn<QString>("iban");
    QTest::addColumn<bool>("valid");

    QTest::newRow("Italian") << "IT60X0542811101000000123456" << true;
    QTest::newRow("Italian 2") << "IT40S0542811101000000123456" << true;
    QTest::newRow("lower case") << "it60x0542811101000000123456" << true;
    QTest::newRow("with spaces") << "IT60 X054 2811 1010 0000 0123 456" << true;
    QTest::newRow("with the word IBAN") << "IBAN IT60 X054 2811 1010 0000 0123 456" << true;
    QTest::newRow("German, 22 characters") << "DE89370400440532013000" << true;
    QTest::newRow("British, 22 characters") << "GB82WEST12345698765432" << true;
    QTest::newRow("Maltese, 31 characters") << "MT84MALT011000012345MTLCAST001S" << true;
    QTest::newRow("last digit changed") << "IT60X0542811101000000123457" << false;
    QTest::newRow("middle digit changed") << "IT60X0542811101000100123456" << false;
    QTest::newRow("check digits changed") << "IT61X0542811101000000123456" << false;
    QTest::newRow("hyphen") << "IT60X0542811101-00000123456" << false;
    QTest::newRow("accented letter") << QString::fromUtf8("IT60X05428111010000001234\xC3\x88"
                                                          "6")
                                     << false;
    QTest::newRow("empty") << "" << false;
}

void IdentifierChecksTest::ibanVerdict()
{
    QFETCH(QString, iban);
    QFETCH(bool, valid);
    QCOMPARE(Iban::isValid(iban), valid);
}

void IdentifierChecksTest::ibanRemainder()
{
    QCOMPARE(Iban::mod97(QStringLiteral("IT60X0542811101000000123456")), 1);
    QCOMPARE(Iban::mod97(QStringLiteral("IT02L1234512345123456789012")), 58);
    // Spaces are removed only by the IBAN check, not by the remainder.
    QCOMPARE(Iban::mod97(QStringLiteral("IT60 X054")), 0);
}

QTEST_GUILESS_MAIN(IdentifierChecksTest)
#include "IdentifierChecksTest.moc"
