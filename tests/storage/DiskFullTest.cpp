#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// A full disk: a small private memory file system (a mount namespace of an
// unprivileged user, where the kernel allows one) filled by appends. The
// failing writes are reported, leave no fragment, and change no earlier record.
class DiskFullTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void failedWritesLeaveEveryEarlierRecord()
    {
        const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
        if (unshare.isEmpty())
            QSKIP("no unshare here");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QProcess helper;
        helper.start(unshare, {QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"),
                               QStringLiteral("mount -t tmpfs -o size=64k brivanta \"$1\" && exec \"$2\" fill \"$1\""),
                               QStringLiteral("sh"), dir.path(), QStringLiteral(STORAGE_HELPER)});
        QVERIFY(helper.waitForFinished(60000));
        const QByteArray output = helper.readAllStandardOutput();
        if (!output.startsWith("records "))
            QSKIP(qPrintable(QStringLiteral("no private file system here: ") +
                             QString::fromLocal8Bit(helper.readAllStandardError()).trimmed()));

        const QList<QByteArray> lines = output.trimmed().split('\n');
        QCOMPARE(lines.size(), 4);
        const QList<QByteArray> figures = lines.at(0).split(' ');
        QCOMPARE(figures.size(), 10);
        const int records = figures.at(1).toInt();
        QVERIFY(records > 10);
        QCOMPARE(figures.at(5).toLongLong(), qint64(records) * 1265); // no fragment
        QCOMPARE(figures.at(7), QByteArray("1"));                     // every earlier record unchanged
        QCOMPARE(figures.at(9), QByteArray("0"));                     // no journal left
        // Each failure was reported.
        for (int i = 1; i < 4; ++i)
            QVERIFY2(lines.at(i).split(' ').size() > 1, lines.at(i).constData());
        qInfo("disk full after %d records; the failing append had written %s of 1265 bytes; %s; %s; %s", records,
              figures.at(3).constData(), lines.at(1).constData(), lines.at(2).constData(), lines.at(3).constData());
    }
};

QTEST_GUILESS_MAIN(DiskFullTest)
#include "DiskFullTest.moc"
