#include "StoragePattern.h"
#include "StorageTestFolder.h"

#include "app/DataFolder.h"
#include "storage/RecordFile.h"
#include "storage/TSchedaCliente.h"
#include "storage/TSchedaTrattamento.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

// Archives damaged or written by other tools: every length byte, every
// truncation, random byte flips. Nothing is read outside its field or its
// record, and the undamaged records read as before.
class MalformedFileTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;

    void setContents(const QString& name, const QByteArray& bytes) const
    {
        QFile f(m_dir->filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(bytes), bytes.size());
    }

    QByteArray contents(const QString& name) const
    {
        QFile f(m_dir->filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Every record of the archive as read by the record file, in order.
    static QList<QByteArray> readAll(const QString& name, int size)
    {
        QList<QByteArray> records;
        const auto status = RecordFile::forEach(name, size, [&](qint64, const char* record) {
            records.append(QByteArray(record, size));
            return true;
        });
        return status ? records : QList<QByteArray>{QByteArray("failed")};
    }

    // Decodes a record every way the screens do, checking that each field
    // comes from its own bytes and no more than its capacity of them.
    template <class Record> static bool decodesWithinFields(const char* bytes)
    {
        const Record decoded = Record::decode(bytes);
        for (int i = 0; i < Record::FieldCount; ++i) {
            const auto field = typename Record::Field(i);
            const FieldSpec s = Record::Layout[i];
            const QByteArrayView raw = Record::raw(bytes, field);
            if (raw.data() != bytes + s.offset + 1 || raw.size() > s.capacity)
                return false;
            if (decoded[field] != Record::load(bytes, field) || decoded[field].size() > s.capacity)
                return false;
        }
        return true;
    }

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

    void everyLengthByte_data()
    {
        QTest::addColumn<int>("field");
        QTest::newRow("Causale, in the middle") << int(TSchedaAppuntamento::Field::Causale);
        QTest::newRow("Ottemperata, at the end of the record") << int(TSchedaAppuntamento::Field::Ottemperata);
    }

    void everyLengthByte()
    {
        // The damaged record is the last one, so that a read past its field
        // would run off the end of what was read.
        QFETCH(int, field);
        const auto which = TSchedaAppuntamento::Field(field);
        const FieldSpec s = TSchedaAppuntamento::spec(which);
        const int size = TSchedaAppuntamento::Size;
        const QByteArray first = StoragePattern::appointment(0, 0);
        const QByteArray second = StoragePattern::appointment(0, 1);
        const TSchedaAppuntamento original = TSchedaAppuntamento::decode(second.constData());
        for (int length = 0; length < 256; ++length) {
            QByteArray damaged = second;
            damaged[s.offset] = char(length);
            setContents(TSchedaAppuntamento::fileName(), first + damaged);
            const QList<QByteArray> records = readAll(TSchedaAppuntamento::fileName(), size);
            QCOMPARE(records.size(), 2);
            QCOMPARE(records.at(0), first);
            QVERIFY(decodesWithinFields<TSchedaAppuntamento>(records.at(1).constData()));
            TSchedaAppuntamento expected = original;
            expected[which] = QString::fromLatin1(damaged.mid(s.offset + 1, qMin(length, s.capacity)));
            const TSchedaAppuntamento decoded = TSchedaAppuntamento::decode(records.at(1).constData());
            QCOMPARE(decoded.encode(), expected.encode());
        }
    }

    void everyTruncation_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("clients") << TSchedaCliente::Size;
        QTest::newRow("appointments") << TSchedaAppuntamento::Size;
        QTest::newRow("treatments") << TSchedaTrattamento::Size;
    }

    void everyTruncation()
    {
        QFETCH(int, size);
        const QString name = QStringLiteral("Archivio.pro");
        QByteArray whole;
        for (int i = 0; i < 2; ++i)
            whole += QByteArray(size, char('a' + i));
        for (int cut = 0; cut <= whole.size(); ++cut) {
            setContents(name, whole.left(cut));
            const int records = cut / size;
            QCOMPARE(*RecordFile::count(name, size), qint64(records));
            const QList<QByteArray> read = readAll(name, size);
            QCOMPARE(read.size(), records);
            for (int i = 0; i < records; ++i)
                QCOMPARE(read.at(i), whole.mid(qint64(i) * size, size));
            QVERIFY(!RecordFile::read(name, size, records));
            // Appending goes right after the last whole record.
            if (size == TSchedaTrattamento::Size || cut % 97 == 0 || cut % size == 0) {
                QCOMPARE(*RecordFile::append(name, size, QByteArray(size, 'n')), qint64(records));
                QCOMPARE(contents(name), whole.left(qint64(records) * size) + QByteArray(size, 'n'));
            }
        }
    }

    void randomFlips()
    {
        // Three records of each format; each round flips a few random bytes
        // of one copy and reads the whole file back.
        QRandomGenerator random(7031);
        int flips = 0;
        auto check = [&](auto format, const QString& name) {
            using Record = decltype(format);
            QByteArray clean;
            for (int i = 0; i < 3; ++i) {
                Record record;
                for (int f = 0; f < Record::FieldCount; ++f)
                    record[typename Record::Field(f)] = QStringLiteral("Campo %1 \u00E8\u20AC record %2").arg(f).arg(i);
                clean += record.encode();
            }
            for (int round = 0; round < 300; ++round) {
                QByteArray bytes = clean;
                const int count = 1 + int(random.bounded(8));
                for (int i = 0; i < count; ++i)
                    bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
                flips += count;
                setContents(name, bytes);
                const QList<QByteArray> records = readAll(name, Record::Size);
                QCOMPARE(records.size(), 3);
                for (int i = 0; i < 3; ++i) {
                    const QByteArray original = clean.mid(qint64(i) * Record::Size, Record::Size);
                    QVERIFY(decodesWithinFields<Record>(records.at(i).constData()));
                    if (records.at(i) == original)
                        QCOMPARE(Record::decode(records.at(i).constData()).encode(), original);
                    QCOMPARE(records.at(i), bytes.mid(qint64(i) * Record::Size, Record::Size));
                }
            }
        };
        check(TSchedaCliente(), TSchedaCliente::fileName());
        check(TSchedaAppuntamento(), TSchedaAppuntamento::fileName());
        check(TSchedaTrattamento(), TSchedaTrattamento::fileName(1));
        qInfo("%d random byte changes in 900 archives read back", flips);
    }
};

QTEST_GUILESS_MAIN(MalformedFileTest)
#include "MalformedFileTest.moc"
