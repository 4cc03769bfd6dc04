#include "app/Help.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

// The manual the build puts beside the program.
class ManualFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void manualHoldsEveryTopic()
    {
        const QString path = QStringLiteral(BRIVANTA_BIN_DIR "/Guida.pdf");
        QVERIFY2(QFileInfo::exists(path), qPrintable(path));
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"),
                        {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
        QVERIFY2(pdftotext.waitForFinished(60000), "pdftotext did not finish");
        QCOMPARE(pdftotext.exitCode(), 0);
        // Long titles may wrap: compare with the white space run together.
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput())
                                 .replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
        for (const Help::Topic& topic : {Help::launcher(), Help::clients(), Help::appointments(), Help::agenda(),
                                         Help::clientExport(), Help::appointmentExport(), Help::grids()})
            QVERIFY2(text.contains(topic.title), qPrintable(topic.title));
        QVERIFY(text.contains(QStringLiteral("primoaccessodi")));
        QVERIFY(text.contains(QStringLiteral("Guida all'utilizzo del software")));
    }
};

QTEST_GUILESS_MAIN(ManualFileTest)
#include "ManualFileTest.moc"
