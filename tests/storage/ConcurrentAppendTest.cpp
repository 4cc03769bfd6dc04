#include "StoragePattern.h"

#include "app/DataFolder.h"
#include "storage/RecordFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

// Several workstations appending to one archive at once: real processes,
// released together, each appending its own numbered records.
class ConcurrentAppendTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyRecordWholeAndOnce_data()
    {
        QTest::addColumn<int>("processes");
        QTest::addColumn<int>("records");
        QTest::newRow("2 x 1000") << 2 << 1000;
        QTest::newRow("4 x 2000") << 4 << 2000;
    }

    void everyRecordWholeAndOnce()
    {
        QFETCH(int, processes);
        QFETCH(int, records);
        // On a memory file system when there is one: the lock is what is
        // tested here, and a disk would make every flush wait for it.
        const QString base =
            QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/brivanta-XXXXXX") : QString();
        const auto dir = base.isEmpty() ? std::make_unique<QTemporaryDir>() : std::make_unique<QTemporaryDir>(base);
        QVERIFY(dir->isValid());

        std::vector<std::unique_ptr<QProcess>> helpers;
        for (int tag = 0; tag < processes; ++tag) {
            auto helper = std::make_unique<QProcess>();
            helper->start(QStringLiteral(STORAGE_HELPER),
                          {QStringLiteral("append"), dir->path(), QString::number(records), QString::number(tag)});
            QVERIFY(helper->waitForStarted());
            helpers.push_back(std::move(helper));
        }
        for (auto& helper : helpers) {
            while (!helper->canReadLine())
                QVERIFY(helper->waitForReadyRead());
            QCOMPARE(helper->readLine(), QByteArray("ready\n"));
        }
        QElapsedTimer clock;
        clock.start();
        for (auto& helper : helpers) {
            helper->write("go\n");
            QVERIFY(helper->waitForBytesWritten());
        }
        int interleaved = 0;
        for (auto& helper : helpers) {
            QVERIFY(helper->waitForFinished(120000));
            const QByteArray output = helper->readAllStandardOutput();
            QVERIFY2(helper->exitCode() == 0 && output.startsWith("done "), output.constData());
            interleaved += output.mid(5).trimmed().toInt();
        }
        const qint64 elapsed = clock.elapsed();

        DataFolder::setForTests(dir->path());
        const int size = TSchedaAppuntamento::Size;
        QCOMPARE(QFile(dir->filePath(TSchedaAppuntamento::fileName())).size(), qint64(processes) * records * size);
        std::vector<std::vector<int>> seen(size_t(processes), std::vector<int>(size_t(records), 0));
        int whole = 0;
        QVERIFY(RecordFile::forEach(TSchedaAppuntamento::fileName(), size, [&](qint64, const char* record) {
            int tag = -1;
            int sequence = -1;
            if (StoragePattern::parse(record, &tag, &sequence) && tag >= 0 && tag < processes && sequence >= 0 &&
                sequence < records) {
                ++seen[size_t(tag)][size_t(sequence)];
                ++whole;
            }
            return true;
        }));
        DataFolder::resetForTests();
        QCOMPARE(whole, processes * records);
        for (const auto& counts : seen)
            for (int count : counts)
                QCOMPARE(count, 1);
        qInfo("%d processes x %d appends: %d whole records, %d interleavings, %lld ms", processes, records, whole,
              interleaved, elapsed);
    }
};

QTEST_GUILESS_MAIN(ConcurrentAppendTest)
#include "ConcurrentAppendTest.moc"
