#include "StoragePattern.h"

#include "app/DataFolder.h"
#include "storage/FileIo.h"
#include "storage/RecordFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <memory>

// Every write and flush of one save failing in turn, through the storage
// layer's write calls: each failure is reported, and each one leaves a valid
// file whose records are all as they were.
class FaultInjectionTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    int m_calls = 0;

    QString path(const QString& name) const { return m_dir->filePath(name); }

    QByteArray contents() const
    {
        QFile f(path(TSchedaAppuntamento::fileName()));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void setContents(const QByteArray& bytes) const
    {
        QFile f(path(TSchedaAppuntamento::fileName()));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(bytes), bytes.size());
    }

    bool journalLeft() const { return QFile::exists(path(TSchedaAppuntamento::fileName() + "-journal")); }

    // Write calls that count every write and flush and fail the one numbered
    // failAt (and, for a disk that stays broken, every one after it). A failing
    // write stores half of its bytes first, as a disk that fails midway does.
    void injectFault(int failAt, bool staysBroken)
    {
        m_calls = 0;
        const FileIo::WriteCalls system = FileIo::systemWriteCalls();
        auto failing = [this, failAt, staysBroken] {
            const int call = m_calls++;
            return call == failAt || (staysBroken && call > failAt);
        };
        FileIo::setWriteCallsForTests({
            [=](FileIo::Handle h, qint64 offset, const char* data, qint64 size) -> qint64 {
                if (!failing())
                    return system.write(h, offset, data, size);
                system.write(h, offset, data, size / 2);
                errno = EIO;
                return -1;
            },
            [=](FileIo::Handle h) {
                if (!failing())
                    return system.flush(h);
                errno = EIO;
                return false;
            },
        });
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        DataFolder::setForTests(m_dir->path());
    }

    void cleanup()
    {
        FileIo::resetForTests();
        DataFolder::resetForTests();
        m_dir.reset();
    }

    void failingSave_data()
    {
        QTest::addColumn<bool>("rewrite");
        QTest::addColumn<bool>("staysBroken");
        QTest::newRow("append, one failure") << false << false;
        QTest::newRow("append, disk stays broken") << false << true;
        QTest::newRow("rewrite, one failure") << true << false;
        QTest::newRow("rewrite, disk stays broken") << true << true;
    }

    void failingSave()
    {
        QFETCH(bool, rewrite);
        QFETCH(bool, staysBroken);
        const QString name = TSchedaAppuntamento::fileName();
        const int size = TSchedaAppuntamento::Size;
        const QByteArray earlier =
            StoragePattern::appointment(0, 0) + StoragePattern::appointment(0, 1) + StoragePattern::appointment(0, 2);
        const QByteArray saved = StoragePattern::appointment(1, 0);
        // An append goes over a trailing fragment; a rewrite replaces the middle record.
        const QByteArray before = rewrite ? earlier : QByteArray(earlier + QByteArray(100, 'z'));
        const QByteArray after =
            rewrite ? QByteArray(earlier.left(size) + saved + earlier.right(size)) : QByteArray(earlier + saved);

        int failures = 0;
        int keptNew = 0;
        for (int failAt = 0;; ++failAt) {
            setContents(before);
            injectFault(failAt, staysBroken);
            const QString error =
                rewrite ? RecordFile::rewrite(name, size, 1, saved).error : RecordFile::append(name, size, saved).error;
            const int calls = m_calls;
            FileIo::resetForTests();
            if (error.isEmpty()) {
                // The save went through only once no call failed.
                QVERIFY(failAt >= calls);
                QCOMPARE(contents(), after);
                QVERIFY(!journalLeft());
                break;
            }
            ++failures;
            QVERIFY2(failAt < calls, qPrintable(error));
            // The file as the failure left it: whole records, all as before,
            // at once when the disk still works, otherwise once it works again.
            // Only a failure after the journal was removed, when the new record
            // was already whole on the disk, keeps the new record.
            if (!staysBroken) {
                QVERIFY(contents() == earlier || contents() == after);
                QVERIFY(!journalLeft());
            }
            QCOMPARE(*RecordFile::count(name, size), 3);
            if (contents() == after)
                ++keptNew;
            else
                QCOMPARE(contents(), earlier);
            QVERIFY(!journalLeft());
        }
        QVERIFY(failures >= (rewrite ? 5 : 2));
        QVERIFY(keptNew <= 1);
        qInfo("%d failing calls, each reported, each leaving every earlier record; %d kept the new record whole",
              failures, keptNew);
    }
};

QTEST_GUILESS_MAIN(FaultInjectionTest)
#include "FaultInjectionTest.moc"
