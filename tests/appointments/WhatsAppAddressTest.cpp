#include "appointments/WhatsApp.h"

#include <QTest>
#include <QUrl>
#include <QUrlQuery>

namespace {
// Reads a query the way a web server reads a form: pairs split on "&" and
// "=", "+" taken as a blank, then percent-decoded as UTF-8.
QMap<QString, QString> serverReading(const QString& query)
{
    QMap<QString, QString> values;
    for (const QString& pair : query.split(QLatin1Char('&'))) {
        const qsizetype equals = pair.indexOf(QLatin1Char('='));
        auto decoded = [](QString part) {
            return QUrl::fromPercentEncoding(part.replace(QLatin1Char('+'), QLatin1Char(' ')).toLatin1());
        };
        values.insert(decoded(pair.left(equals)), decoded(pair.mid(equals + 1)));
    }
    return values;
}
} // namespace

class WhatsAppAddressTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void messageTexts()
    {
        QCOMPARE(WhatsApp::confirmationText(" 10", "30 ", " 12/05/2024 "),
                 QString("Gentile Cliente, le confermiamo l'appuntamento presso il nostro centro estetico alle ore "
                         "10:30 del giorno 12/05/2024"));
        QCOMPARE(WhatsApp::reminderText(" 09:05 ", "12/05/2024"),
                 QString("Gentile Cliente, le ricordiamo l'appuntamento presso il nostro centro estetico alle ore "
                         "09:05 del giorno 12/05/2024"));
        // Empty values stay empty; nothing is checked here.
        QCOMPARE(WhatsApp::reminderText("", ""),
                 QString("Gentile Cliente, le ricordiamo l'appuntamento presso il nostro centro estetico alle ore "
                         " del giorno "));
    }

    void plainAddress()
    {
        const QString text = WhatsApp::confirmationText("10", "30", "12/05/2024");
        QCOMPARE(WhatsApp::sendAddress(" 3331234567 ", text),
                 QString("https://web.whatsapp.com/send?phone=3331234567&text=Gentile%20Cliente%2C%20le%20confermiamo"
                         "%20l%27appuntamento%20presso%20il%20nostro%20centro%20estetico%20alle%20ore%2010%3A30%20del"
                         "%20giorno%2012%2F05%2F2024"));
    }

    void addressCarriesExactValues_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("international prefix and blanks") << "+39 333 123-4567" << "alle ore 10:30";
        QTest::newRow("query delimiters") << "333&text=x" << "a & b = c; d#e";
        QTest::newRow("plus and percent") << "3331234567" << "1+1 = 100% 50%20";
        QTest::newRow("accents and apostrophe") << "3331234567" << "l'appuntamento è confermato, città"
                                                              " più vicina";
        QTest::newRow("empty") << "" << "";
    }
    void addressCarriesExactValues()
    {
        QFETCH(QString, number);
        QFETCH(QString, text);
        const QString address = WhatsApp::sendAddress(number, text);

        const QUrl url(address, QUrl::StrictMode);
        QVERIFY2(url.isValid(), qPrintable(url.errorString()));
        QCOMPARE(url.scheme(), QString("https"));
        QCOMPARE(url.host(), QString("web.whatsapp.com"));
        QCOMPARE(url.path(), QString("/send"));
        QVERIFY(!url.hasFragment());

        const QMap<QString, QString> values = serverReading(url.query(QUrl::FullyEncoded));
        QCOMPARE(values.keys(), QStringList({"phone", "text"}));
        QCOMPARE(values.value("phone"), number.trimmed());
        QCOMPARE(values.value("text"), text);

        // The shell's opener parses the address tolerantly; it must come out unchanged.
        QCOMPARE(QUrl(address, QUrl::TolerantMode).toString(QUrl::FullyEncoded), address);
    }
};

QTEST_APPLESS_MAIN(WhatsAppAddressTest)
#include "WhatsAppAddressTest.moc"
