#include "AppointmentTesting.h"
#include "GuiFixture.h"

#include "agenda/TfrmAgenda.h"
#include "appointments/TfrmArchivio_Scadenze.h"
#include "appointments/TfrmCalendario.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QLineEdit* cardDate()
{
    return control<QLineEdit>(frmArchivio_Scadenze, "txtData");
}
} // namespace

class DatePickerTest : public QObject
{
    Q_OBJECT

private:
    GuiFixture m_fixture;

    // Opens the picker from the card with trigger and hands it to act, which closes it.
    void withPicker(const std::function<void()>& trigger, const std::function<void(QDialog*)>& act)
    {
        ModalWatch watch(act);
        trigger();
        QVERIFY(watch.seen());
    }

    static void choose(QDialog* picker, const QDate& date, const char* button)
    {
        control<QCalendarWidget>(picker, "calAppuntamenti")->setSelectedDate(date);
        control<QPushButton>(picker, button)->click();
    }

private Q_SLOTS:
    void init()
    {
        m_fixture.setUp();
        Clock::setForTests(QDateTime(QDate(2025, 3, 20), QTime(9, 0)));
        showScreen(frmArchivio_Scadenze, frmAgenda);
        frmArchivio_Scadenze->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frmArchivio_Scadenze));
        QTRY_VERIFY(cardDate()->hasFocus());
    }
    void cleanup() { m_fixture.tearDown(); }

    void opensOnTodayAndImportsWithLeadingZeros()
    {
        cardDate()->setText("03/02/2025");
        QDate shown;
        int month = 0;
        QString tag;
        QString caption;
        QString title;
        withPicker([] { frmArchivio_Scadenze->impData->click(); },
                   [&](QDialog* picker) {
                       auto* calendar = control<QCalendarWidget>(picker, "calAppuntamenti");
                       shown = calendar->selectedDate();
                       month = calendar->monthShown();
                       tag = control<QLabel>(picker, "lblMemory")->text();
                       caption = control<QLabel>(picker, "lblCampo001")->text();
                       title = picker->windowTitle();
                       choose(picker, QDate(2025, 3, 5), "btnImportaData");
                   });
        QCOMPARE(shown, QDate(2025, 3, 20));
        QCOMPARE(month, 3);
        QCOMPARE(tag, QString("data"));
        QCOMPARE(caption, QString("Importare una data:"));
        QCOMPARE(title, QString(" Importazione data"));
        QCOMPARE(cardDate()->text(), QString("05/03/2025"));

        // A second opening is a new window: today again, not the imported date.
        withPicker([] { frmArchivio_Scadenze->impData->click(); },
                   [&](QDialog* picker) {
                       shown = control<QCalendarWidget>(picker, "calAppuntamenti")->selectedDate();
                       picker->reject();
                   });
        QCOMPARE(shown, QDate(2025, 3, 20));
    }

    void cancelLeavesTheDate_data()
    {
        QTest::addColumn<QString>("date");
        QTest::newRow("empty") << "";
        QTest::newRow("set") << "03/02/2025";
    }
    void cancelLeavesTheDate()
    {
        QFETCH(QString, date);
        cardDate()->setText(date);
        withPicker([] { frmArchivio_Scadenze->impData->click(); },
                   [](QDialog* picker) { choose(picker, QDate(2025, 12, 31), "btnAnnulla"); });
        QCOMPARE(cardDate()->text(), date);
    }

    void onlyTheDateTagImports()
    {
        TfrmCalendario picker(frmArchivio_Scadenze);
        picker.lblMemory->setText("scadenze");
        picker.show();
        choose(&picker, QDate(2025, 3, 5), "btnImportaData");
        QVERIFY(picker.isVisible());
        QCOMPARE(cardDate()->text(), QString());
    }

    void dateFieldKeys()
    {
        cardDate()->setText("03/02/2025");
        QTest::keyClick(cardDate(), Qt::Key_Delete);
        QCOMPARE(cardDate()->text(), QString());
        cardDate()->setText("03/02/2025");
        QTest::keyClick(cardDate(), Qt::Key_Backspace);
        QCOMPARE(cardDate()->text(), QString());

        // Any other key, Return included, asks the picker; typing itself changes nothing.
        for (Qt::Key key : {Qt::Key_A, Qt::Key_5, Qt::Key_Return}) {
            withPicker([key] { QTest::keyClick(cardDate(), key); },
                       [](QDialog* picker) { choose(picker, QDate(2025, 4, 1), "btnImportaData"); });
            QCOMPARE(cardDate()->text(), QString("01/04/2025"));
        }
        // Tab only leaves the field.
        ModalWatch none([](QDialog* dialog) { dialog->reject(); });
        QTest::keyClick(cardDate(), Qt::Key_Tab);
        QVERIFY(!none.seen());
    }
};

QTEST_MAIN(DatePickerTest)
#include "DatePickerTest.moc"
