#include "app/Help.h"

#include <QTest>

Q_DECLARE_METATYPE(Help::Topic)

namespace {
QStringList paragraphs(const Help::Topic& topic)
{
    return topic.text.split(QStringLiteral("\r\n\r\n"));
}
} // namespace

class HelpTextsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void titlesAndParagraphs_data()
    {
        QTest::addColumn<Help::Topic>("topic");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("count");
        QTest::newRow("launcher") << Help::launcher() << "Uno sguardo a Brivanta" << 36;
        QTest::newRow("clients") << Help::clients() << "App Clienti e Trattamenti" << 12;
        QTest::newRow("appointments") << Help::appointments() << "App Schedario Appuntamenti" << 11;
        QTest::newRow("agenda") << Help::agenda() << "App Agenda Appuntamenti" << 7;
        QTest::newRow("client export") << Help::clientExport() << "Esportazione archivio clienti in Excel" << 1;
        QTest::newRow("appointment export")
            << Help::appointmentExport() << "Esportazione archivio appuntamenti in Excel" << 1;
        QTest::newRow("grids") << Help::grids() << "Visualizzazione appuntamenti" << 5;
    }

    void titlesAndParagraphs()
    {
        QFETCH(Help::Topic, topic);
        QFETCH(QString, title);
        QFETCH(int, count);
        QCOMPARE(topic.title, title);
        const QStringList found = paragraphs(topic);
        QCOMPARE(found.size(), count);
        for (const QString& paragraph : found) {
            // A paragraph is one line of prose: no stray breaks, no padding, an ending stop.
            QVERIFY2(!paragraph.contains(QLatin1Char('\r')) && !paragraph.contains(QLatin1Char('\n')),
                     qPrintable(paragraph));
            QCOMPARE(paragraph.trimmed(), paragraph);
            QVERIFY2(paragraph.endsWith(QLatin1Char('.')), qPrintable(paragraph));
        }
    }

    void launcherComposesTheAppsTexts()
    {
        const QStringList launcher = paragraphs(Help::launcher());
        QCOMPARE(launcher.mid(1, 12), paragraphs(Help::clients()));
        QCOMPARE(launcher.mid(13, 7), paragraphs(Help::agenda()));
        QCOMPARE(launcher.mid(20, 11), paragraphs(Help::appointments()));
        QVERIFY(launcher.first().contains(QStringLiteral("WhatsApp")));
        QVERIFY(launcher.at(34).contains(QStringLiteral("primoaccessodi")));
        QVERIFY(!launcher.at(34).contains(QStringLiteral("\"primoaccessodi\"")));
        for (int i = 0; i < launcher.size(); ++i)
            if (i != 34)
                QVERIFY2(!launcher.at(i).contains(QStringLiteral("primoaccessodi")), qPrintable(launcher.at(i)));
    }

    void clientParagraphsOpenAsTheCardSays()
    {
        const QStringList openings{
            "L'app Clienti e Trattamenti memorizza le informazioni anagrafiche",
            "Nell'archivio dei clienti e dei trattamenti è possibile annotare",
            "Per inserire una scheda in archivio, bisogna fare clic sul pulsante Nuovo",
            "Se esistono importanti questioni in sospeso con il cliente",
            "Il pulsante Duplica è utile",
            "Per trovare le schede dei clienti in archivio",
            "La funzione Allega file consente di abbinare alla scheda di ciascun cliente fino a tre file",
            "Appositi pulsanti consentono di controllare la validità",
            "Il pulsante Trattamenti dà accesso a una finestra",
            "Per modificare i dati di un servizio già registrato",
            "Il totale complessivo degli importi pagati dal cliente",
            "La scheda di ogni singolo cliente può essere visualizzata in anteprima",
        };
        const QStringList found = paragraphs(Help::clients());
        QCOMPARE(found.size(), openings.size());
        for (int i = 0; i < openings.size(); ++i)
            QVERIFY2(found.at(i).startsWith(openings.at(i)), qPrintable(found.at(i)));
    }

    void manualHasAChapterPerTopic()
    {
        const QList<Help::Chapter> manual = Help::manual();
        QStringList titles;
        for (const Help::Chapter& chapter : manual) {
            titles << chapter.title;
            QVERIFY(!chapter.paragraphs.isEmpty());
        }
        for (const Help::Topic& topic : {Help::launcher(), Help::clients(), Help::appointments(), Help::agenda(),
                                         Help::clientExport(), Help::appointmentExport(), Help::grids()})
            QCOMPARE(titles.count(topic.title), 1);
        QCOMPARE(titles.size(), 7);
        QCOMPARE(titles.first(), Help::launcher().title);
        // Each app's chapter is its help text, word for word.
        QCOMPARE(manual.at(titles.indexOf(Help::clients().title)).paragraphs, paragraphs(Help::clients()));
    }
};

QTEST_MAIN(HelpTextsTest)
#include "HelpTextsTest.moc"
