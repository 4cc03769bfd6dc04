#include "StoragePattern.h"

#include "app/DataFolder.h"
#include "storage/MappedView.h"
#include "storage/RecordFile.h"
#include "storage/TSchedaAppuntamento.h"
#include "storage/TSchedaCliente.h"
#include "storage/TSchedaTrattamento.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <unistd.h>

// The record file rules on real files: whole records one after another, the
// trailing fragment, open-or-create, rewriting in place, reading everything.
class RecordFileTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;

    QString path(const QString& name) const { return m_dir->filePath(name); }

    QByteArray contents(const QString& name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void setContents(const QString& name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(bytes), bytes.size());
    }

    // The scans' two ways of reading a file: through mapped windows, or in
    // blocks where the file cannot be mapped.
    static void mappedOrInBlocks()
    {
        QTest::addColumn<bool>("mapped");
        QTest::newRow("mapped") << true;
        QTest::newRow("read in blocks") << false;
    }

    // A record of the given size whose bytes all tell its number.
    static QByteArray numbered(int size, int number)
    {
        QByteArray bytes(size, '\0');
        for (int i = 0; i < size; ++i)
            bytes[i] = char((number * 31 + i) % 251);
        return bytes;
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
        MappedView::setDisabledForTests(false);
        RecordFile::resetForTests();
        DataFolder::resetForTests();
        m_dir.reset();
    }

    void missingArchiveIsCreatedEmpty_data()
    {
        QTest::addColumn<int>("operation");
        QTest::newRow("count") << 0;
        QTest::newRow("read") << 1;
        QTest::newRow("read all") << 2;
    }

    void missingArchiveIsCreatedEmpty()
    {
        QFETCH(int, operation);
        const QString name = TSchedaCliente::fileName();
        switch (operation) {
        case 0:
            QCOMPARE(*RecordFile::count(name, TSchedaCliente::Size), 0);
            break;
        case 1:
            QVERIFY(!RecordFile::read(name, TSchedaCliente::Size, 0));
            break;
        case 2: {
            int visits = 0;
            QVERIFY(
                RecordFile::forEach(name, TSchedaCliente::Size, [&](qint64, const char*) { return ++visits, true; }));
            QCOMPARE(visits, 0);
            break;
        }
        }
        QVERIFY(QFile::exists(path(name)));
        QCOMPARE(QFile(path(name)).size(), 0);
    }

    void recordsLieOneAfterAnother_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("records");
        QTest::addColumn<qint64>("fileSize");
        QTest::addColumn<qint64>("lastStart");
        QTest::newRow("three clients") << TSchedaCliente::Size << 3 << qint64(10116) << qint64(6744);
        QTest::newRow("four appointments") << TSchedaAppuntamento::Size << 4 << qint64(5060) << qint64(3795);
        QTest::newRow("one treatment") << TSchedaTrattamento::Size << 1 << qint64(113) << qint64(0);
    }

    void recordsLieOneAfterAnother()
    {
        QFETCH(int, size);
        QFETCH(int, records);
        QFETCH(qint64, fileSize);
        QFETCH(qint64, lastStart);
        const QString name = QStringLiteral("Archivio.pro");
        for (int i = 0; i < records; ++i)
            QCOMPARE(*RecordFile::append(name, size, numbered(size, i)), qint64(i));
        const QByteArray bytes = contents(name);
        QCOMPARE(bytes.size(), fileSize);
        QCOMPARE(bytes.mid(lastStart), numbered(size, records - 1));
        QCOMPARE(*RecordFile::count(name, size), qint64(records));
        QCOMPARE(*RecordFile::read(name, size, records - 1), numbered(size, records - 1));
    }

    void trailingFragment_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("clients") << TSchedaCliente::Size;
        QTest::newRow("appointments") << TSchedaAppuntamento::Size;
        QTest::newRow("treatments") << TSchedaTrattamento::Size;
    }

    void trailingFragment()
    {
        QFETCH(int, size);
        const QString name = QStringLiteral("Archivio.pro");
        const QByteArray whole = numbered(size, 0) + numbered(size, 1);
        setContents(name, whole + QByteArray(100, 'Z'));

        QCOMPARE(*RecordFile::count(name, size), 2);
        QVERIFY(!RecordFile::read(name, size, 2));
        QList<qint64> visited;
        QVERIFY(RecordFile::forEach(name, size, [&](qint64 i, const char*) { return visited.append(i), true; }));
        QCOMPARE(visited, (QList<qint64>{0, 1}));
        // A rewrite leaves the fragment alone.
        QVERIFY(RecordFile::rewrite(name, size, 1, numbered(size, 1)));
        QCOMPARE(contents(name), whole + QByteArray(100, 'Z'));

        // The append goes at 2 × R, over the fragment.
        QCOMPARE(*RecordFile::append(name, size, numbered(size, 2)), 2);
        QCOMPARE(contents(name), whole + numbered(size, 2));
    }

    void rewriteInPlace()
    {
        const int size = TSchedaTrattamento::Size;
        const QString name = TSchedaTrattamento::fileName(3);
        const QByteArray three = numbered(size, 0) + numbered(size, 1) + numbered(size, 2);
        setContents(name, three);

        QVERIFY(RecordFile::rewrite(name, size, 1, numbered(size, 7)));
        const QByteArray rewritten = numbered(size, 0) + numbered(size, 7) + numbered(size, 2);
        QCOMPARE(contents(name), rewritten);

        // Past the end, before the start, or of the wrong size: refused, nothing written.
        QVERIFY(!RecordFile::rewrite(name, size, 3, numbered(size, 8)));
        QVERIFY(!RecordFile::rewrite(name, size, -1, numbered(size, 8)));
        QVERIFY(!RecordFile::rewrite(name, size, 0, numbered(size, 8).left(size - 1)));
        QVERIFY(!RecordFile::append(name, size, numbered(size, 8) + 'x'));
        QVERIFY(!RecordFile::read(name, size, -1));
        QCOMPARE(contents(name), rewritten);
    }

    void readAllAcrossBlocks_data() { mappedOrInBlocks(); }

    void readAllAcrossBlocks()
    {
        // 15000 appointments are about 19 MB: two mapped windows, or many read
        // blocks, with records straddling their boundaries.
        QFETCH(bool, mapped);
        MappedView::setDisabledForTests(!mapped);
        const int size = TSchedaAppuntamento::Size;
        const int records = 15000;
        QByteArray bytes;
        bytes.reserve(qsizetype(records) * size + 8);
        for (int i = 0; i < records; ++i)
            bytes += numbered(size, i);
        setContents(TSchedaAppuntamento::fileName(), bytes + "fragment");

        qint64 expected = 0;
        QVERIFY(RecordFile::forEach(TSchedaAppuntamento::fileName(), size, [&](qint64 i, const char* record) {
            if (i != expected || QByteArray(record, size) != numbered(size, int(i)))
                return false;
            return ++expected, true;
        }));
        QCOMPARE(expected, qint64(records));

        // Only the selected records reach the visitor, each with its own bytes and index.
        QList<qint64> visited;
        const auto selects = [](const char* record) {
            // numbered() starts record n with byte (n * 31) % 251.
            return static_cast<unsigned char>(record[0]) % 7 == 0;
        };
        QVERIFY(RecordFile::forEach(TSchedaAppuntamento::fileName(), size, selects, [&](qint64 i, const char* record) {
            if (QByteArray(record, size) == numbered(size, int(i)))
                visited.append(i);
            return true;
        }));
        QList<qint64> wanted;
        for (int i = 0; i < records; ++i)
            if ((i * 31) % 251 % 7 == 0)
                wanted.append(i);
        QCOMPARE(visited, wanted);

        // Stopping early: the visit that says no is the last.
        qint64 last = -1;
        QVERIFY(RecordFile::forEach(TSchedaAppuntamento::fileName(), size,
                                    [&](qint64 i, const char*) { return last = i, i < 14000; }));
        QCOMPARE(last, qint64(14000));
    }

    void fileCutShortWhileRead_data()
    {
        QTest::addColumn<qint64>("newSize");
        QTest::addColumn<qint64>("wholeLeft");
        // Records of 1000 bytes: twelve fit in three pages of 4096 bytes, the
        // thirteenth lies across the new end.
        QTest::newRow("to three pages") << qint64(3 * 4096) << qint64(12);
        QTest::newRow("to nothing") << qint64(0) << qint64(1);
    }

    void fileCutShortWhileRead()
    {
        // Another program cuts the archive short while the agenda reads it: the
        // reading stops with an error, and no record comes from bytes the file
        // no longer has.
        QFETCH(qint64, newSize);
        QFETCH(qint64, wholeLeft);
        const int size = 1000;
        const QString name = QStringLiteral("Archivio.pro");
        QByteArray bytes;
        for (int i = 0; i < 40; ++i)
            bytes += numbered(size, i + 1);
        setContents(name, bytes);

        qint64 visits = 0;
        qint64 whole = 0;
        const RecordFile::Status status = RecordFile::forEach(name, size, [&](qint64 i, const char* record) {
            if (i == 0)
                QFile::resize(path(name), newSize);
            if (i == visits++ && QByteArray(record, size) == numbered(size, int(i + 1)))
                ++whole;
            return true;
        });

        QVERIFY(!status.ok());
        QCOMPARE(visits, wholeLeft);
        QCOMPARE(whole, wholeLeft);
    }

    // The file as another program leaves it: changed now, or long settled.
    void setModified(const QString& name, const QDateTime& when) const
    {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(when, QFileDevice::FileModificationTime));
    }

    void writeAt(const QString& name, qint64 offset, const QByteArray& bytes) const
    {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.seek(offset));
        QCOMPARE(f.write(bytes), bytes.size());
    }

    // The record a scan through the sieve hands over for a stored one: the
    // sieve's fields alone, each its length byte (no more than its capacity)
    // and that many bytes, every other byte zero.
    static QByteArray sieved(const RecordFile::Sieve& sieve, const QByteArray& stored)
    {
        QByteArray record(stored.size(), '\0');
        for (const FieldSpec& f : sieve.fields) {
            const int length = qMin(int(uchar(stored[f.offset])), f.capacity);
            record[f.offset] = char(length);
            record.replace(f.offset + 1, length, stored.mid(f.offset + 1, length));
        }
        return record;
    }

    // The indexes a sieved scan visits, each checked against its own bytes.
    static QList<qint64> sievedVisits(const QString& name, int size, const RecordFile::Sieve& sieve,
                                      const RecordFile::Selector& selects)
    {
        QList<qint64> visited;
        const RecordFile::Status s = RecordFile::forEach(name, size, sieve, selects, [&](qint64 i, const char* record) {
            visited.append(QByteArray(record, size) == sieved(sieve, numbered(size, int(i))) ? i : -1 - i);
            return true;
        });
        [&] { QVERIFY2(s.ok(), qPrintable(s.error)); }();
        return visited;
    }

    void sievedScanKeepsFieldsWhileTheFileIsUnchanged_data() { mappedOrInBlocks(); }

    void sievedScanKeepsFieldsWhileTheFileIsUnchanged()
    {
        QFETCH(bool, mapped);
        MappedView::setDisabledForTests(!mapped);
        // numbered() starts record n with byte (n * 31) % 251: the sieve passes
        // six records in 251, in both of the file's mapped windows. Its first
        // field begins with that byte as its length, mostly beyond the
        // capacity; the selector reads the field's first byte.
        static const RecordFile::Sieve rare{[](const char* record) { return uchar(record[0]) % 50 == 0; },
                                            {{0, 3}, {700, 20}}};
        const auto odd = [](const char* record) { return uchar(record[1]) % 2 == 1; };
        const int size = TSchedaAppuntamento::Size;
        const int records = 15000;
        QList<qint64> wanted;
        qint64 passing = 0;
        for (int i = 0; i < records; ++i) {
            const QByteArray stored = numbered(size, i);
            if (rare.passes(stored.constData())) {
                ++passing;
                if (odd(sieved(rare, stored).constData()))
                    wanted.append(i);
            }
        }
        QVERIFY(wanted.size() > 100 && wanted.size() < passing);
        const QString name = TSchedaAppuntamento::fileName();
        QByteArray bytes;
        for (int i = 0; i < records; ++i)
            bytes += numbered(size, i);
        setContents(name, bytes);
        const QDateTime settled = QDateTime::currentDateTimeUtc().addSecs(-3600);

        // Just written: read through, nothing kept, since the file may still
        // change without its time showing it.
        QCOMPARE(sievedVisits(name, size, rare, odd), wanted);
        QCOMPARE(RecordFile::keptForTests(name, size, rare), -1);

        // Settled: the records the sieve passed are kept, and the next scans
        // hand over the same records from what was kept.
        setModified(name, settled);
        QCOMPARE(sievedVisits(name, size, rare, odd), wanted);
        QCOMPARE(RecordFile::keptForTests(name, size, rare), passing);
        QCOMPARE(sievedVisits(name, size, rare, odd), wanted);

        // Another program puts a record the sieve passes where there was none
        // (record 14000's bytes become those of 34, which both pass): seen at once.
        const int passer = 34;
        writeAt(name, qint64(14000) * size, numbered(size, passer));
        QList<qint64> visited = sievedVisits(name, size, rare, odd);
        QVERIFY(visited.contains(-1 - 14000));
        QCOMPARE(RecordFile::keptForTests(name, size, rare), -1);

        // Another program appends one, then the file settles again.
        setContents(name, bytes + numbered(size, passer));
        setModified(name, settled);
        QVERIFY(sievedVisits(name, size, rare, odd).contains(-1 - records));
        QCOMPARE(RecordFile::keptForTests(name, size, rare), passing + 1);

        // This program's own rewrite forgets what was kept, however coarse
        // the file system's times.
        QVERIFY(RecordFile::rewrite(name, size, 7000, numbered(size, passer)));
        QCOMPARE(RecordFile::keptForTests(name, size, rare), -1);
        setModified(name, settled);
        visited = sievedVisits(name, size, rare, odd);
        QVERIFY(visited.contains(-1 - 7000));
        QVERIFY(visited.contains(-1 - records));

        // A scan stopped early keeps nothing.
        QVERIFY(RecordFile::rewrite(name, size, 7000, numbered(size, 7000)));
        setModified(name, settled);
        QVERIFY(RecordFile::forEach(name, size, rare, odd, [](qint64, const char*) { return false; }));
        QCOMPARE(RecordFile::keptForTests(name, size, rare), -1);
    }

    void sieveWhoseFieldsWouldTakeTooMuchMemoryKeepsNothing()
    {
        // Every record passes, with a full field of 255 bytes: a thousand are
        // kept, seventy thousand (some 18 MB) are not.
        static const RecordFile::Sieve every{[](const char* record) { return uchar(record[0]) == 255; }, {{0, 255}}};
        const int size = 300;
        QByteArray stored(size, 'x');
        stored[0] = char(255);
        const QString name = QStringLiteral("Archivio.pro");
        for (const int records : {1000, 70000}) {
            setContents(name, stored.repeated(records));
            setModified(name, QDateTime::currentDateTimeUtc().addSecs(-3600));
            qint64 visits = 0;
            QVERIFY(RecordFile::forEach(name, size, every, {}, [&](qint64, const char* record) {
                visits += QByteArray(record, 256) == stored.left(256);
                return true;
            }));
            QCOMPARE(visits, records);
            QCOMPARE(RecordFile::keptForTests(name, size, every), records == 1000 ? 1000 : -1);
        }
    }

    void archiveThatCannotBeOpenedIsNeverEmptied_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::newRow("existing archive") << true;
        QTest::newRow("missing archive, folder not writable") << false;
    }

    void archiveThatCannotBeOpenedIsNeverEmptied()
    {
        // The helper runs as a user who may not write the archive or the
        // folder: another user when this one is root (root may write anything),
        // otherwise this user with the permissions taken away.
        QFETCH(bool, exists);
        const QString name = TSchedaCliente::fileName();
        const QByteArray stored = numbered(TSchedaCliente::Size, 0) + numbered(TSchedaCliente::Size, 1);
        if (exists)
            setContents(name, stored);
        const auto readOnlyFolder = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                                    QFile::ReadOther | QFile::ExeOther;
        QStringList command{QStringLiteral(STORAGE_HELPER), QStringLiteral("count"), m_dir->path(), name,
                            QString::number(TSchedaCliente::Size)};
        if (::geteuid() == 0) {
            command = QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                                  QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups")} +
                      command;
            QFile::setPermissions(m_dir->path(), readOnlyFolder | QFile::WriteOwner);
        } else if (exists) {
            QFile::setPermissions(path(name), {});
        } else {
            QFile::setPermissions(m_dir->path(), readOnlyFolder);
        }
        QProcess helper;
        helper.start(command.takeFirst(), command);
        const bool started = helper.waitForStarted();
        const bool finished = started && helper.waitForFinished();
        const QByteArray output = helper.readAllStandardOutput();
        QFile::setPermissions(m_dir->path(), readOnlyFolder | QFile::WriteOwner);
        QFile::setPermissions(path(name), QFile::ReadOwner | QFile::WriteOwner);
        if (!started)
            QSKIP("cannot run the helper as another user");
        QVERIFY(finished);
        QVERIFY2(output.startsWith("error "), output.constData());
        QCOMPARE(QFile::exists(path(name)), exists);
        if (exists)
            QCOMPARE(contents(name), stored);
    }
};

QTEST_GUILESS_MAIN(RecordFileTest)
#include "RecordFileTest.moc"
