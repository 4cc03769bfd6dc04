#include "AppointmentTesting.h"
#include "GuiFixture.h"

#include "agenda/TfrmAgenda.h"
#include "appointments/TfrmWhatsApp_Message.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QUrlQuery>

class WhatsAppReminderTest : public QObject
{
    Q_OBJECT

private:
    GuiFixture m_fixture;

    // Opens the reminder as the agenda does, with the four values of the
    // appointment, and presses button.
    int remind(const QString& date, const QString& time, const QString& name, const QString& mobile,
               const char* button)
    {
        TfrmWhatsApp_Message reminder(frmAgenda);
        for (const char* field : {"txtData", "txtOra", "txtContatto", "txtCel"})
            if (!control<QLineEdit>(&reminder, field)->isReadOnly())
                qFatal("%s can be typed into", field);
        reminder.txtData->setText(date);
        reminder.txtOra->setText(time);
        reminder.txtContatto->setText(name);
        reminder.txtCel->setText(mobile);
        QTimer::singleShot(0, &reminder, [&reminder, button] {
            control<QAbstractButton>(&reminder, button)->click();
        });
        return reminder.exec();
    }

private Q_SLOTS:
    void init() { m_fixture.setUp(); }
    void cleanup() { m_fixture.tearDown(); }

    void sendOpensTheReminderAddress()
    {
        QCOMPARE(remind("12/05/2024", "09:05", "Rossi Maria", " 333 1234567 ", "btnWhatsApp"), int(QDialog::Accepted));
        QCOMPARE(TMisc::opened().size(), 1);
        const QUrl address(TMisc::opened().first());
        QCOMPARE(address.toString(QUrl::RemoveQuery), QString("https://web.whatsapp.com/send"));
        const QUrlQuery query(address);
        QCOMPARE(query.queryItemValue("phone", QUrl::FullyDecoded), QString("333 1234567"));
        QCOMPARE(query.queryItemValue("text", QUrl::FullyDecoded),
                 QString("Gentile Cliente, le ricordiamo l'appuntamento presso il nostro centro estetico alle ore "
                         "09:05 del giorno 12/05/2024"));
    }

    void sendMakesNoChecks()
    {
        QCOMPARE(remind("", "", "", "", "btnWhatsApp"), int(QDialog::Accepted));
        QCOMPARE(TMisc::opened().size(), 1);
        QVERIFY(Messages::shown().isEmpty());
    }

    void cancelSendsNothing()
    {
        QCOMPARE(remind("12/05/2024", "09:05", "Rossi Maria", "3331234567", "btnChiudi"), int(QDialog::Rejected));
        QVERIFY(TMisc::opened().isEmpty());
    }
};

QTEST_MAIN(WhatsAppReminderTest)
#include "WhatsAppReminderTest.moc"
