#include "app/Conventions.h"
#include "app/Text.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

class ConventionsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void digitFilter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("extra");
        QTest::addColumn<QString>("result");
        QTest::newRow("digits") << "0123456789" << "" << "0123456789";
        QTest::newRow("letters and blanks") << "a1 b2-" << "" << "12";
        QTest::newRow("phone prefix") << "+39 333" << "" << "39333";
        QTest::newRow("amount comma") << "12,5.0" << "," << "12,50";
    }
    void digitFilter()
    {
        QFETCH(QString, typed);
        QFETCH(QString, extra);
        QFETCH(QString, result);
        QLineEdit edit;
        Conventions::onKeyDown(&edit, [extra](QKeyEvent* e) { return Conventions::discardUnlessDigit(e, extra); });
        QTest::keyClicks(&edit, typed);
        QCOMPARE(edit.text(), result);
    }

    void digitFilterKeepsEditingKeys()
    {
        QLineEdit edit;
        Conventions::onKeyDown(&edit, [](QKeyEvent* e) { return Conventions::discardUnlessDigit(e); });
        QTest::keyClicks(&edit, "1234");
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QTest::keyClick(&edit, Qt::Key_Left);
        QTest::keyClick(&edit, Qt::Key_Left);
        QTest::keyClick(&edit, Qt::Key_Delete);
        QTest::keyClick(&edit, Qt::Key_Right);
        QTest::keyClicks(&edit, "9");
        QCOMPARE(edit.text(), QString("139"));
    }

    void returnRingAndFocusFrames()
    {
        QWidget window;
        auto* a = new QLineEdit(&window);
        auto* b = new QLineEdit(&window);
        auto* frameA = new FocusFrame(&window);
        auto* frameB = new FocusFrame(&window);
        Conventions::bindFocusFrame(a, frameA);
        Conventions::bindFocusFrame(b, frameB);
        Conventions::returnRing({a, b});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        a->setFocus();
        QTRY_VERIFY(a->hasFocus());
        QVERIFY(frameA->isVisible());
        QVERIFY(!frameB->isVisible());
        QTest::keyClick(a, Qt::Key_Return);
        QVERIFY(b->hasFocus());
        QVERIFY(!frameA->isVisible());
        QVERIFY(frameB->isVisible());
        QTest::keyClick(b, Qt::Key_Return);
        QVERIFY(a->hasFocus());
    }

    void hintsFollowTheMouse()
    {
        QWidget window;
        auto* panInfo = new QLabel(QStringLiteral("Pronto per archiviare una nuova scheda..."), &window);
        auto* command = new QWidget(&window);
        command->setGeometry(0, 40, 20, 20);
        Conventions::setHint(command, panInfo, QStringLiteral("Salva la scheda"));
        Conventions::clearsHint(&window, panInfo);
        window.resize(200, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(command, &enter);
        QCOMPARE(panInfo->text(), QString("Salva la scheda"));
        QTest::mouseMove(&window, QPoint(150, 80));
        QTRY_COMPARE(panInfo->text(), QString());
    }

    void textRules()
    {
        QCOMPARE(Text::trim(QStringLiteral("\t  Rossi \r\n")), QString("Rossi"));
        QCOMPARE(Text::trim(QStringLiteral("\u00A0x\u00A0")), QStringLiteral("\u00A0x\u00A0"));
        QCOMPARE(Text::formatDate(QDate(2026, 3, 5)), QString("05/03/2026"));
        QCOMPARE(Text::parseDate("05/03/2026"), QDate(2026, 3, 5));
        QVERIFY(!Text::parseDate("5/3/2026").isValid());
        QVERIFY(!Text::parseDate("31/02/2026").isValid());
        QVERIFY(!Text::parseDate("aa/03/2026").isValid());
    }
};

QTEST_MAIN(ConventionsTest)
#include "ConventionsTest.moc"
