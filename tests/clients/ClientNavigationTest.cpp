#include "clients/ClientNavigation.h"

#include <QTest>

using ClientNavigation::Command;
using Outcome = ClientNavigation::Step::Outcome;

class ClientNavigationTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void steps_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("position");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<qint64>("shown");
        QTest::addColumn<bool>("clears");

        const int first = int(Command::First), previous = int(Command::Previous), next = int(Command::Next),
                  last = int(Command::Last);
        const int show = int(Outcome::Show), stay = int(Outcome::Stay), empty = int(Outcome::Empty);
        QTest::newRow("first") << first << "3" << qint64(5) << show << qint64(1) << false;
        QTest::newRow("first, empty archive") << first << "3" << qint64(0) << empty << qint64(0) << false;
        QTest::newRow("last from a new card") << last << "" << qint64(5) << show << qint64(5) << false;
        QTest::newRow("last, empty archive") << last << "" << qint64(0) << empty << qint64(0) << false;
        QTest::newRow("next from a new card") << next << "" << qint64(5) << show << qint64(1) << false;
        QTest::newRow("next from 2") << next << "2" << qint64(5) << show << qint64(3) << false;
        QTest::newRow("next on the last") << next << "5" << qint64(5) << stay << qint64(0) << false;
        QTest::newRow("next, empty archive") << next << "4" << qint64(0) << empty << qint64(0) << true;
        QTest::newRow("previous from a new card") << previous << "" << qint64(5) << show << qint64(1) << false;
        QTest::newRow("previous from 3") << previous << "3" << qint64(5) << show << qint64(2) << false;
        QTest::newRow("previous from 2") << previous << "2" << qint64(5) << show << qint64(1) << false;
        QTest::newRow("previous on 1") << previous << "1" << qint64(5) << stay << qint64(0) << false;
        QTest::newRow("previous on 1, empty archive") << previous << "1" << qint64(0) << stay << qint64(0) << false;
        QTest::newRow("previous, empty archive") << previous << "4" << qint64(0) << empty << qint64(0) << false;
    }
    void steps()
    {
        QFETCH(int, command);
        QFETCH(QString, position);
        QFETCH(qint64, count);
        QFETCH(int, outcome);
        QFETCH(qint64, shown);
        QFETCH(bool, clears);
        const ClientNavigation::Step step = ClientNavigation::step(Command(command), position, count);
        QCOMPARE(int(step.outcome), outcome);
        if (step.outcome == Outcome::Show)
            QCOMPARE(step.position, shown);
        QCOMPARE(step.clearsPosition, clears);
    }
};

QTEST_APPLESS_MAIN(ClientNavigationTest)
#include "ClientNavigationTest.moc"
