#include "StoragePattern.h"
#include "StorageTestFolder.h"

#include "app/DataFolder.h"
#include "storage/FileIo.h"
#include "storage/RecordFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <thread>
#include <vector>

// Several workstations on one archive: appends from real processes released
// together, each appending its own numbered records, and a writer that waits
// for another's lock only a few seconds.
class SharedArchiveTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;

    // The archive of two records, held under the writers' lock by another
    // open file, as another workstation in the middle of a write holds it.
    FileIo::Handle holdArchive()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        DataFolder::setForTests(m_dir->path());
        for (int i = 0; i < 2; ++i)
            RecordFile::append(TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size,
                               StoragePattern::appointment(0, i));
        QString error;
        const FileIo::Handle other = FileIo::openOrCreate(m_dir->filePath(TSchedaAppuntamento::fileName()), &error);
        if (FileIo::lockExclusive(other, 0) != FileIo::Lock::Taken) {
            FileIo::close(other);
            return FileIo::InvalidHandle;
        }
        return other;
    }

    QByteArray archiveBytes() const
    {
        QFile f(m_dir->filePath(TSchedaAppuntamento::fileName()));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private Q_SLOTS:
    void cleanup()
    {
        RecordFile::resetForTests();
        DataFolder::resetForTests();
        m_dir.reset();
    }

    void lockHeldTooLongFails()
    {
        const FileIo::Handle other = holdArchive();
        QVERIFY(other != FileIo::InvalidHandle);
        const QByteArray before = archiveBytes();
        RecordFile::setLockWaitForTests(300);
        QElapsedTimer clock;
        clock.start();
        const auto appended =
            RecordFile::append(TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size, QByteArray(1265, 'x'));
        const qint64 appendWait = clock.restart();
        const auto rewritten =
            RecordFile::rewrite(TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size, 0, QByteArray(1265, 'x'));
        const qint64 rewriteWait = clock.elapsed();
        // Readers take no lock.
        const auto counted = RecordFile::count(TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size);
        FileIo::close(other);

        QVERIFY(!appended);
        QVERIFY(!rewritten);
        QVERIFY(appendWait >= 300 && appendWait < 2000);
        QVERIFY(rewriteWait >= 300 && rewriteWait < 2000);
        QCOMPARE(*counted, 2);
        QCOMPARE(archiveBytes(), before);
        QVERIFY(RecordFile::LockWaitMs >= 2000 && RecordFile::LockWaitMs <= 10000);
    }

    void lockLetGoInTimeIsTaken()
    {
        const FileIo::Handle other = holdArchive();
        QVERIFY(other != FileIo::InvalidHandle);
        std::thread release([other] {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            FileIo::close(other);
        });
        QElapsedTimer clock;
        clock.start();
        const auto appended = RecordFile::append(TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size,
                                                 StoragePattern::appointment(0, 2));
        const qint64 waited = clock.elapsed();
        release.join();
        QCOMPARE(*appended, 2);
        QVERIFY(waited >= 150 && waited < RecordFile::LockWaitMs);
    }

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

QTEST_GUILESS_MAIN(SharedArchiveTest)
#include "SharedArchiveTest.moc"
