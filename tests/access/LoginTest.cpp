#include "GuiFixture.h"

#include "access/Crypt.h"
#include "access/PasswordStore.h"
#include "access/TfrmCambiaPassword.h"
#include "access/TfrmPassword.h"
#include "app/TfrmAvvio.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
const QString kWrong = QStringLiteral("Attenzione: password errata.");
const QString kReadFailure = QStringLiteral("Attenzione: si \u00E8 verificato un errore durante la procedura di "
                                            "lettura della password. Si consiglia di reinstallare il software.");
const QString kWrongOld = QStringLiteral("Attenzione: vecchia password errata.");
const QString kNotConfirmed = QStringLiteral("Attenzione: la nuova password non \u00E8 stata confermata "
                                             "correttamente. E' necessario reinserire entrambi i valori.");
const QString kDone = QStringLiteral("Modifica della password completata con successo.");
} // namespace

class LoginTest : public QObject
{
    Q_OBJECT

private:
    GuiFixture m_fixture;

    void storePassword(const QString& password)
    {
        // The initial installation's file, as the build writes it.
        m_fixture.writeFile("unins000.dll",
                            "[Accesso]\r\nValore=" + Crypt::Encrypt(PasswordStore::normalise(password)).toLatin1() +
                                "\r\n");
    }

    void showLogin()
    {
        frmPassword->show();
        QVERIFY(QTest::qWaitForWindowExposed(frmPassword));
        frmPassword->activateWindow();
        QTRY_VERIFY(frmPassword->txtPassword->hasFocus());
    }

    void typeLogin(const QString& text)
    {
        if (text.toLatin1() == text.toUtf8())
            QTest::keyClicks(frmPassword->txtPassword, text);
        else
            frmPassword->txtPassword->setText(text);
        QTest::keyClick(frmPassword->txtPassword, Qt::Key_Return);
    }

    void change(const QString& oldPassword, const QString& newPassword, const QString& confirmation)
    {
        frmPassword->btnCambiaPassword->click();
        QVERIFY(frmCambiaPassword->isVisible());
        frmCambiaPassword->activateWindow();
        QTRY_VERIFY(frmCambiaPassword->txtPasswordOld->hasFocus());
        // setText, since QTest types only ASCII.
        frmCambiaPassword->txtPasswordOld->setText(oldPassword);
        frmCambiaPassword->txtPasswordNew->setText(newPassword);
        frmCambiaPassword->txtConferma->setText(confirmation);
        frmCambiaPassword->cmdOK->click();
    }

private Q_SLOTS:
    void init()
    {
        m_fixture.setUp();
        storePassword("primoaccessodi");
        showLogin();
    }
    void cleanup() { m_fixture.tearDown(); }

    void initialPasswordInAnyCaseOpensTheLauncher_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("lower") << "primoaccessodi";
        QTest::newRow("upper") << "PRIMOACCESSODI";
        QTest::newRow("mixed with blanks") << "  PrimoAccessoDi ";
    }
    void initialPasswordInAnyCaseOpensTheLauncher()
    {
        QFETCH(QString, typed);
        QVERIFY(!frmAvvio->isVisible());
        typeLogin(typed);
        QVERIFY(frmAvvio->isVisible());
        QVERIFY(!frmPassword->isVisible());
        QVERIFY(Messages::shown().isEmpty());
    }

    void wrongPasswordIsRefusedAndEmptied()
    {
        typeLogin("sbagliata");
        QCOMPARE(Messages::shownTexts(), QStringList {kWrong});
        QCOMPARE(Messages::shown().first().kind, Messages::Kind::Plain);
        QVERIFY(frmPassword->txtPassword->text().isEmpty());
        QVERIFY(!frmPassword->cmdOK->isEnabled());
        QVERIFY(frmPassword->isVisible());
        QVERIFY(!frmAvvio->isVisible());
    }

    void okFollowsTheTrimmedText()
    {
        QVERIFY(!frmPassword->cmdOK->isEnabled());
        QTest::keyClicks(frmPassword->txtPassword, "   ");
        QVERIFY(!frmPassword->cmdOK->isEnabled());
        QTest::keyClick(frmPassword->txtPassword, Qt::Key_Return);
        QVERIFY(Messages::shown().isEmpty());
        QTest::keyClicks(frmPassword->txtPassword, "x");
        QVERIFY(frmPassword->cmdOK->isEnabled());
    }

    void missingOrDamagedFile_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("message");
        QTest::newRow("no file") << QByteArray() << kWrong;
        QTest::newRow("no key") << QByteArray("[Accesso]\r\nAltro=1\r\n") << kWrong;
        QTest::newRow("not hexadecimal") << QByteArray("[Accesso]\r\nValore=2B5EZZ\r\n") << kReadFailure;
    }
    void missingOrDamagedFile()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, message);
        QFile::remove(m_fixture.path("unins000.dll"));
        if (!contents.isEmpty())
            m_fixture.writeFile("unins000.dll", contents);
        typeLogin("primoaccessodi");
        QCOMPARE(Messages::shownTexts(), QStringList {message});
        QVERIFY(!frmAvvio->isVisible());
    }

    void changePasswordThenLogin()
    {
        change("PRIMOACCESSODI", QStringLiteral("nuova\u00E8"), QStringLiteral("nuova\u00E8"));
        QCOMPARE(Messages::shownTexts(), QStringList {kDone});
        QVERIFY(!frmCambiaPassword->isVisible());
        QVERIFY(frmPassword->isVisible());
        QVERIFY(frmPassword->txtPassword->text().isEmpty());
        // Stored normalised: a-z in capitals, the accented letter as typed.
        QCOMPARE(m_fixture.readFile("unins000.dll"),
                 "[Accesso]\r\nValore=" + Crypt::Encrypt(QStringLiteral("NUOVA\u00E8")).toLatin1() + "\r\n");

        typeLogin("primoaccessodi");
        QCOMPARE(Messages::shownTexts().last(), kWrong);
        typeLogin(QStringLiteral("NUOVA\u00C8"));
        QCOMPARE(Messages::shownTexts().last(), kWrong);
        typeLogin(QStringLiteral("Nuova\u00E8"));
        QVERIFY(frmAvvio->isVisible());
    }

    void changeRefusals()
    {
        const QByteArray before = m_fixture.readFile("unins000.dll");
        change("altra", "nuova", "nuova");
        QCOMPARE(Messages::shownTexts(), QStringList {kWrongOld});
        QVERIFY(frmCambiaPassword->txtPasswordOld->text().isEmpty());
        QCOMPARE(frmCambiaPassword->txtPasswordNew->text(), QString("nuova"));

        QTest::keyClicks(frmCambiaPassword->txtPasswordOld, "primoaccessodi");
        frmCambiaPassword->txtConferma->setText("NUOVA");
        frmCambiaPassword->cmdOK->click();
        QCOMPARE(Messages::shownTexts().last(), kNotConfirmed);
        QVERIFY(frmCambiaPassword->txtPasswordNew->text().isEmpty());
        QVERIFY(frmCambiaPassword->txtConferma->text().isEmpty());
        QVERIFY(frmCambiaPassword->txtPasswordNew->hasFocus());

        // A password the cipher cannot keep is refused, not stored.
        const QString tooLong(256, QLatin1Char('a'));
        frmCambiaPassword->txtPasswordNew->setText(tooLong);
        frmCambiaPassword->txtConferma->setText(tooLong);
        frmCambiaPassword->cmdOK->click();
        QCOMPARE(Messages::shown().last().kind, Messages::Kind::Plain);
        QVERIFY(Messages::shownTexts().last().contains("255"));
        const QString greek = QStringLiteral("\u03B1\u03B2");
        frmCambiaPassword->txtPasswordNew->setText(greek);
        frmCambiaPassword->txtConferma->setText(greek);
        frmCambiaPassword->cmdOK->click();
        QCOMPARE(Messages::shownTexts().size(), 4);
        QCOMPARE(m_fixture.readFile("unins000.dll"), before);
        QVERIFY(frmCambiaPassword->isVisible());
    }

    void changeScreenReturnRingAndClose()
    {
        frmPassword->txtPassword->setText("qualcosa");
        frmPassword->btnCambiaPassword->click();
        QVERIFY(!frmPassword->isVisible());
        frmCambiaPassword->activateWindow();
        QTRY_VERIFY(frmCambiaPassword->txtPasswordOld->hasFocus());
        QVERIFY(!frmCambiaPassword->cmdOK->isEnabled());
        QTest::keyClicks(frmCambiaPassword->txtPasswordOld, "a");
        QTest::keyClick(frmCambiaPassword->txtPasswordOld, Qt::Key_Return);
        QVERIFY(frmCambiaPassword->txtPasswordNew->hasFocus());
        QTest::keyClicks(frmCambiaPassword->txtPasswordNew, "b");
        QTest::keyClick(frmCambiaPassword->txtPasswordNew, Qt::Key_Return);
        QVERIFY(frmCambiaPassword->txtConferma->hasFocus());
        QTest::keyClicks(frmCambiaPassword->txtConferma, "c");
        QVERIFY(frmCambiaPassword->cmdOK->isEnabled());
        QTest::keyClick(frmCambiaPassword->txtConferma, Qt::Key_Return);
        QVERIFY(frmCambiaPassword->txtPasswordOld->hasFocus());
        QVERIFY(Messages::shown().isEmpty());

        frmCambiaPassword->cmdEsci->click();
        QVERIFY(!frmCambiaPassword->isVisible());
        QVERIFY(frmPassword->isVisible());
        QVERIFY(frmPassword->txtPassword->text().isEmpty());
        QTRY_VERIFY(frmPassword->txtPassword->hasFocus());

        // Shown again, it starts empty.
        frmPassword->btnCambiaPassword->click();
        QVERIFY(frmCambiaPassword->txtPasswordOld->text().isEmpty());
        QVERIFY(frmCambiaPassword->txtConferma->text().isEmpty());
    }
};

QTEST_MAIN(LoginTest)
#include "LoginTest.moc"
