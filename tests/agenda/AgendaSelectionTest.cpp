#include "agenda/AgendaSelection.h"
#include "storage/Cp1252.h"
#include "storage/TSchedaAppuntamento.h"

#include <QTest>

namespace {
using Field = TSchedaAppuntamento::Field;

// A stored record with the field's meaningful bytes exactly as given, spaces included.
void setRaw(QByteArray& record, Field field, const QByteArray& bytes)
{
    const FieldSpec spec = TSchedaAppuntamento::spec(field);
    record[spec.offset] = char(bytes.size());
    record.replace(spec.offset + 1, bytes.size(), bytes);
}

QByteArray record(const QByteArray& data, const QByteArray& avviso, const QByteArray& flag)
{
    QByteArray bytes(TSchedaAppuntamento::Size, '\0');
    setRaw(bytes, Field::Data, data);
    setRaw(bytes, Field::Avviso, avviso);
    setRaw(bytes, Field::Ottemperata, flag);
    return bytes;
}

QDate day(int d, int m, int y)
{
    return QDate(y, m, d);
}
} // namespace

class AgendaSelectionTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void imminentRule_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("avviso");
        QTest::addColumn<QByteArray>("flag");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<bool>("imminent");

        // 10/05/2024 with 3 days of notice is listed from 07/05/2024 on.
        QTest::newRow("3 days, day before the notice")
            << QByteArray("10/05/2024") << QByteArray("3") << QByteArray("No") << day(6, 5, 2024) << false;
        QTest::newRow("3 days, first day of notice")
            << QByteArray("10/05/2024") << QByteArray("3") << QByteArray("No") << day(7, 5, 2024) << true;
        QTest::newRow("3 days, on the day")
            << QByteArray("10/05/2024") << QByteArray("3") << QByteArray("No") << day(10, 5, 2024) << true;
        QTest::newRow("past, still listed")
            << QByteArray("10/05/2024") << QByteArray("3") << QByteArray("No") << day(20, 5, 2024) << true;
        QTest::newRow("long past") << QByteArray("10/05/2020") << QByteArray("0") << QByteArray("No")
                                   << day(20, 5, 2024) << true;
        QTest::newRow("0 days, day before")
            << QByteArray("10/05/2024") << QByteArray("0") << QByteArray("No") << day(9, 5, 2024) << false;
        QTest::newRow("0 days, on the day")
            << QByteArray("10/05/2024") << QByteArray("0") << QByteArray("No") << day(10, 5, 2024) << true;
        QTest::newRow("notice across a month")
            << QByteArray("02/06/2024") << QByteArray("30") << QByteArray("No") << day(3, 5, 2024) << true;
        QTest::newRow("fulfilled") << QByteArray("10/05/2024") << QByteArray("3") << QByteArray("S\xEC")
                                   << day(20, 5, 2024) << false;
        QTest::newRow("empty flag") << QByteArray("10/05/2024") << QByteArray("3") << QByteArray() << day(20, 5, 2024)
                                    << false;
        QTest::newRow("flag in other case")
            << QByteArray("10/05/2024") << QByteArray("3") << QByteArray("no") << day(20, 5, 2024) << false;
        QTest::newRow("notice with a space")
            << QByteArray("10/05/2024") << QByteArray(" 3") << QByteArray("No") << day(7, 5, 2024) << true;
        QTest::newRow("negative notice") << QByteArray("10/05/2024") << QByteArray("-2") << QByteArray("No")
                                         << day(11, 5, 2024) << false;
        QTest::newRow("empty date") << QByteArray() << QByteArray("3") << QByteArray("No") << day(20, 5, 2024) << false;
        QTest::newRow("date not dd/mm/yyyy")
            << QByteArray("1/5/2024") << QByteArray("3") << QByteArray("No") << day(20, 5, 2024) << false;
        QTest::newRow("no such date") << QByteArray("31/02/2024") << QByteArray("3") << QByteArray("No")
                                      << day(20, 5, 2024) << false;
        QTest::newRow("empty notice") << QByteArray("10/05/2024") << QByteArray() << QByteArray("No")
                                      << day(20, 5, 2024) << false;
        QTest::newRow("notice not a number")
            << QByteArray("10/05/2024") << QByteArray("3a") << QByteArray("No") << day(20, 5, 2024) << false;
    }

    void imminentRule()
    {
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, avviso);
        QFETCH(QByteArray, flag);
        QFETCH(QDate, today);
        QFETCH(bool, imminent);
        QCOMPARE(AgendaSelection::imminent(today)(record(data, avviso, flag).constData()), imminent);
    }

    void dayAndMonth_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("onDay");
        QTest::addColumn<bool>("inMonth");
        // The calendar is on 10/05/2024.
        QTest::newRow("the day") << QByteArray("10/05/2024") << true << true;
        QTest::newRow("first of the month") << QByteArray("01/05/2024") << false << true;
        QTest::newRow("last of the month") << QByteArray("31/05/2024") << false << true;
        QTest::newRow("a year before") << QByteArray("10/05/2023") << false << false;
        QTest::newRow("next month") << QByteArray("10/06/2024") << false << false;
        QTest::newRow("day not a number") << QByteArray("xx/05/2024") << false << true;
        QTest::newRow("short date") << QByteArray("1/5/2024") << false << false;
        QTest::newRow("empty") << QByteArray() << false << false;
    }

    void dayAndMonth()
    {
        QFETCH(QByteArray, data);
        QFETCH(bool, onDay);
        QFETCH(bool, inMonth);
        // The flag plays no part.
        for (const QByteArray& flag : {QByteArray("No"), QByteArray("S\xEC")}) {
            const QByteArray stored = record(data, "0", flag);
            QCOMPARE(AgendaSelection::onDay(day(10, 5, 2024))(stored.constData()), onDay);
            QCOMPARE(AgendaSelection::inMonth(day(10, 5, 2024))(stored.constData()), inMonth);
        }
    }

    void sortKey_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("ore");
        QTest::addColumn<QString>("minuti");
        QTest::addColumn<QString>("key");
        QTest::newRow("well formed") << "10/05/2024"
                                     << "15"
                                     << "30"
                                     << "202405101530";
        QTest::newRow("midnight") << "01/01/2025"
                                  << "00"
                                  << "00"
                                  << "202501010000";
        QTest::newRow("no hour") << "10/05/2024"
                                 << ""
                                 << "30"
                                 << "2024051030";
        QTest::newRow("short date") << "1/5/2024"
                                    << "09"
                                    << "05"
                                    << "24/21/0905";
        QTest::newRow("no date") << ""
                                 << "09"
                                 << "05"
                                 << "0905";
        QTest::newRow("blank at the start of the key") << "10/05/ 2024"
                                                       << "09"
                                                       << "05"
                                                       << "20205100905";
        QTest::newRow("letters") << QStringLiteral("ab/cd/\u00E8fgh") << " 9"
                                 << "5 " << QStringLiteral("\u00E8fghcdab95");
    }

    void sortKey()
    {
        QFETCH(QString, data);
        QFETCH(QString, ore);
        QFETCH(QString, minuti);
        QFETCH(QString, key);
        TSchedaAppuntamento appointment;
        appointment.Data = data;
        appointment.OreApp = ore;
        appointment.MinutiApp = minuti;
        const QByteArray stored = appointment.encode();
        const AgendaSelection::StoredKey storedKey = AgendaSelection::sortKey(stored.constData());
        QCOMPARE(Cp1252::decode(storedKey.bytes, storedKey.size), key);
    }
};

QTEST_GUILESS_MAIN(AgendaSelectionTest)
#include "AgendaSelectionTest.moc"
