#include "StoragePattern.h"
#include "StorageTestFolder.h"

#include "app/DataFolder.h"
#include "storage/RecordFile.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>

// A process killed at random moments while it rewrites records: after the
// next open every record is whole, in its old or its new version, and every
// rewrite the process was told had succeeded is there.
class CrashRewriteTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedDuringRewrites()
    {
        constexpr int kRecords = 4;
        constexpr int kKills = 200;
        const auto dir = memoryTestFolder();
        QVERIFY(dir->isValid());
        DataFolder::setForTests(dir->path());
        const QString name = TSchedaAppuntamento::fileName();
        const int size = TSchedaAppuntamento::Size;
        for (int i = 0; i < kRecords; ++i)
            QVERIFY(RecordFile::append(name, size, StoragePattern::appointment(i, 0)));

        QRandomGenerator random(20240611);
        int versions[kRecords] = {};
        int nextVersion = 1;
        int steps = 0;
        int journals = 0;
        int tornOnDisk = 0;
        int inFlightNew = 0;
        for (int kill = 0; kill < kKills; ++kill) {
            QProcess helper;
            helper.start(QStringLiteral(STORAGE_HELPER), {QStringLiteral("rewrite"), dir->path(),
                                                          QString::number(kRecords), QString::number(nextVersion)});
            QVERIFY(helper.waitForReadyRead());
            QThread::usleep(random.bounded(4000));
            helper.kill();
            QVERIFY(helper.waitForFinished());

            // What the helper was told had succeeded, step by step.
            const QList<QByteArray> lines = helper.readAllStandardOutput().split('\n');
            int done = 0;
            for (const QByteArray& line : lines) {
                const QList<QByteArray> parts = line.split(' ');
                if (parts.size() != 2)
                    continue;
                QCOMPARE(parts.at(0).toInt(), done % kRecords);
                QCOMPARE(parts.at(1).toInt(), nextVersion + done / kRecords);
                versions[done % kRecords] = nextVersion + done / kRecords;
                ++done;
            }
            QVERIFY(done > 0);
            const int inFlightRecord = done % kRecords;
            const int inFlightVersion = nextVersion + done / kRecords;
            steps += done;

            // The archive as the kill left it, before anything puts a record back.
            QFile archive(dir->filePath(name));
            QVERIFY(archive.open(QIODevice::ReadOnly));
            const QByteArray raw = archive.readAll();
            archive.close();
            QCOMPARE(raw.size(), qint64(kRecords) * size);
            journals += QFile::exists(dir->filePath(name + QStringLiteral("-journal")));
            for (int i = 0; i < kRecords; ++i) {
                int tag = -1;
                int version = -1;
                tornOnDisk += !StoragePattern::parse(raw.constData() + qint64(i) * size, &tag, &version);
            }

            // Opened again: every record whole, in the version last reported
            // done, or in the one under way at the kill.
            int expected = 0;
            QVERIFY(RecordFile::forEach(name, size, [&](qint64 i, const char* record) {
                int tag = -1;
                int version = -1;
                if (!StoragePattern::parse(record, &tag, &version) || tag != int(i))
                    return true;
                if (i == inFlightRecord && version == inFlightVersion) {
                    versions[i] = version;
                    ++inFlightNew;
                }
                expected += version == versions[i];
                return true;
            }));
            QCOMPARE(expected, kRecords);
            QVERIFY(!QFile::exists(dir->filePath(name + QStringLiteral("-journal"))));
            nextVersion += done / kRecords + 1;
        }
        DataFolder::resetForTests();
        qInfo("%d kills after %d rewrites: %d left a journal, %d records torn on the disk and put back, "
              "%d rewrites under way kept; 0 torn records after reopening",
              kKills, steps, journals, tornOnDisk, inFlightNew);
    }
};

QTEST_GUILESS_MAIN(CrashRewriteTest)
#include "CrashRewriteTest.moc"
