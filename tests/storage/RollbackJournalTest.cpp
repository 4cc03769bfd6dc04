#include "StoragePattern.h"
#include "StorageTestFolder.h"

#include "app/DataFolder.h"
#include "storage/RecordFile.h"
#include "storage/RollbackJournal.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QtEndian>

// The rollback journal against journals built here byte by byte: a whole
// one found beside the archive puts its record back, whoever opens the
// archive next; a damaged or foreign one changes nothing and goes away.
class RollbackJournalTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    const QString m_name = TSchedaAppuntamento::fileName();
    static constexpr int kSize = TSchedaAppuntamento::Size;

    // "BRVJRNL1", the record size (4 bytes) and the index (8 bytes), little
    // endian, the old record, and the 64-bit FNV-1a of all of it.
    static QByteArray journal(quint64 index, const QByteArray& record)
    {
        QByteArray bytes("BRVJRNL1");
        for (int i = 0; i < 4; ++i)
            bytes += char((quint32(record.size()) >> (8 * i)) & 0xFF);
        for (int i = 0; i < 8; ++i)
            bytes += char((index >> (8 * i)) & 0xFF);
        bytes += record;
        quint64 hash = Q_UINT64_C(0xcbf29ce484222325);
        for (const char c : std::as_const(bytes))
            hash = (hash ^ quint8(c)) * Q_UINT64_C(0x100000001b3);
        for (int i = 0; i < 8; ++i)
            bytes += char((hash >> (8 * i)) & 0xFF);
        return bytes;
    }

    static QByteArray record(int n) { return StoragePattern::appointment(0, n); }

    // A rewrite of record 1 cut short: half new, half old.
    static QByteArray torn() { return record(9).left(600) + record(1).mid(600); }

    QString path(const QString& name) const { return m_dir->filePath(name); }

    QByteArray contents(const QString& name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void setContents(const QString& name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(bytes), bytes.size());
    }

    bool journalLeft() const { return QFile::exists(path(m_name + "-journal")); }

private Q_SLOTS:
    void init()
    {
        m_dir = memoryTestFolder();
        QVERIFY(m_dir->isValid());
        DataFolder::setForTests(m_dir->path());
    }

    void cleanup()
    {
        DataFolder::resetForTests();
        m_dir.reset();
    }

    void layout()
    {
        QCOMPARE(RollbackJournal::build(5, record(1)), journal(5, record(1)));
        QCOMPARE(RollbackJournal::build(Q_INT64_C(0x0102030405), record(2)), journal(0x0102030405, record(2)));
        const auto entry = RollbackJournal::parse(journal(7, record(3)), kSize);
        QVERIFY(entry);
        QCOMPARE(entry->index, 7);
        QCOMPARE(entry->record, record(3));
        QCOMPARE(RollbackJournal::pathFor(QStringLiteral("/d/Contatti.pro")),
                 QStringLiteral("/d/Contatti.pro-journal"));
    }

    void wholeJournalPutsTheOldRecordBack_data()
    {
        QTest::addColumn<int>("action");
        QTest::newRow("append") << 0;
        QTest::newRow("rewrite of another record") << 1;
        QTest::newRow("count") << 2;
        QTest::newRow("read") << 3;
        QTest::newRow("read all") << 4;
    }

    void wholeJournalPutsTheOldRecordBack()
    {
        QFETCH(int, action);
        setContents(m_name, record(0) + torn() + record(2));
        setContents(m_name + "-journal", journal(1, record(1)));
        const QByteArray restored = record(0) + record(1) + record(2);
        switch (action) {
        case 0:
            QCOMPARE(*RecordFile::append(m_name, kSize, record(3)), 3);
            QCOMPARE(contents(m_name), restored + record(3));
            break;
        case 1:
            QVERIFY(RecordFile::rewrite(m_name, kSize, 2, record(4)));
            QCOMPARE(contents(m_name), record(0) + record(1) + record(4));
            break;
        case 2:
            QCOMPARE(*RecordFile::count(m_name, kSize), 3);
            QCOMPARE(contents(m_name), restored);
            break;
        case 3:
            QCOMPARE(*RecordFile::read(m_name, kSize, 1), record(1));
            break;
        case 4: {
            QByteArray seen;
            QVERIFY(RecordFile::forEach(m_name, kSize, [&](qint64, const char* r) {
                seen += QByteArray(r, kSize);
                return true;
            }));
            QCOMPARE(seen, restored);
            break;
        }
        }
        QVERIFY(!journalLeft());
    }

    void damagedJournalChangesNothing()
    {
        // Cut short at every length, one byte changed here and there, made
        // for another record size or for a record past the end: the rewrite
        // it belonged to never touched the archive.
        const QByteArray whole = journal(1, record(1));
        QList<QByteArray> damaged;
        for (int length = 0; length < whole.size(); ++length)
            damaged.append(whole.left(length));
        for (int at : {0, 7, 8, 11, 12, 19, 20, 700, int(whole.size()) - 9, int(whole.size()) - 1}) {
            QByteArray flipped = whole;
            flipped[at] = char(flipped.at(at) ^ 0x10);
            damaged.append(flipped);
        }
        damaged.append(whole + 'x');
        damaged.append(journal(1, record(1).left(113)));
        damaged.append(journal(3, record(1)));
        damaged.append(journal(Q_UINT64_C(0xFFFFFFFFFFFFFFFF), record(1)));

        const QByteArray archive = record(0) + record(9) + record(2);
        for (const QByteArray& bytes : std::as_const(damaged)) {
            setContents(m_name, archive);
            setContents(m_name + "-journal", bytes);
            QCOMPARE(*RecordFile::count(m_name, kSize), 3);
            QCOMPARE(contents(m_name), archive);
            QVERIFY(!journalLeft());
        }
    }

    void journalThatCannotBeReadStopsWriters()
    {
        // A writer cannot tell whether a record must be put back: it writes
        // nothing. Readers still read.
        setContents(m_name, record(0));
        QVERIFY(QDir(m_dir->path()).mkdir(m_name + "-journal"));
        QVERIFY(!RecordFile::append(m_name, kSize, record(1)));
        QVERIFY(!RecordFile::rewrite(m_name, kSize, 0, record(1)));
        QCOMPARE(*RecordFile::read(m_name, kSize, 0), record(0));
        QCOMPARE(contents(m_name), record(0));
    }
};

QTEST_GUILESS_MAIN(RollbackJournalTest)
#include "RollbackJournalTest.moc"
