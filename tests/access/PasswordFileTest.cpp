#include "GuiFixture.h"

#include "access/Crypt.h"
#include "access/PasswordStore.h"
#include "access/TfrmCambiaPassword.h"
#include "access/TfrmPassword.h"
#include "app/TfrmAvvio.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QStringEncoder>

// Password files damaged, hand-edited or written by other tools, through the
// login and change-password screens: each gives the screen's own message,
// never a crash, and the change never harms the file it cannot use.
class PasswordFileTest : public QObject
{
    Q_OBJECT

private:
    GuiFixture m_fixture;

    const QString kFile = QStringLiteral("unins000.dll");
    const QString kWrong = QStringLiteral("Attenzione: password errata.");
    const QString kReadFailure = QStringLiteral("Attenzione: si \u00E8 verificato un errore durante la procedura di "
                                                "lettura della password. Si consiglia di reinstallare il software.");
    const QString kChangeFailure = QStringLiteral("Attenzione: si \u00E8 verificato un errore durante la procedura "
                                                  "di modifica della password. Si consiglia di reinstallare il "
                                                  "software.");
    const QString kDone = QStringLiteral("Modifica della password completata con successo.");

    static QByteArray utf16(const QByteArray& text)
    {
        return QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom)(QString::fromLatin1(text));
    }

    // The enciphered initial password, as the installation stores it.
    static QByteArray initialValue() { return Crypt::Encrypt(QStringLiteral("PRIMOACCESSODI")).toLatin1(); }

    void logIn(const QString& typed)
    {
        frmPassword->show();
        QVERIFY(QTest::qWaitForWindowExposed(frmPassword));
        QTest::keyClicks(frmPassword->txtPassword, typed);
        QTest::keyClick(frmPassword->txtPassword, Qt::Key_Return);
    }

    void change(const QString& oldPassword, const QString& newPassword)
    {
        frmPassword->show();
        frmPassword->btnCambiaPassword->click();
        QVERIFY(frmCambiaPassword->isVisible());
        frmCambiaPassword->txtPasswordOld->setText(oldPassword);
        frmCambiaPassword->txtPasswordNew->setText(newPassword);
        frmCambiaPassword->txtConferma->setText(newPassword);
        frmCambiaPassword->cmdOK->click();
    }

private Q_SLOTS:
    void init() { m_fixture.setUp(); }
    void cleanup()
    {
        QFile::setPermissions(m_fixture.path(kFile), QFile::ReadOwner | QFile::WriteOwner);
        m_fixture.tearDown();
    }

    void login_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("message");
        const QByteArray value = initialValue();
        QTest::newRow("CRLF") << "[Accesso]\r\nValore=" + value + "\r\n" << QString();
        QTest::newRow("LF, no last line break") << "[Accesso]\nValore=" + value << QString();
        QTest::newRow("UTF-8 byte-order mark") << "\xEF\xBB\xBF[Accesso]\r\nValore=" + value + "\r\n" << QString();
        QTest::newRow("UTF-16 with its byte-order mark") << utf16("[Accesso]\r\nValore=" + value + "\r\n") << QString();
        QTest::newRow("names in other cases, blanks around") << " [ ACCESSO ] \r\n  valore = " + value + "  \r\n"
                                                             << QString();
        QTest::newRow("other sections and keys")
            << "[Altro]\r\nValore=00\r\n[Accesso]\r\nAltro=1\r\nValore=" + value + "\r\n[Dopo]\r\nValore=11\r\n"
            << QString();
        QTest::newRow("odd length: the last digit is ignored") << "[Accesso]\r\nValore=" + value + "F\r\n" << QString();
        QTest::newRow("lower-case digits") << "[Accesso]\r\nValore=" + value.toLower() + "\r\n" << QString();
        QTest::newRow("empty file") << QByteArray() << kWrong;
        QTest::newRow("empty value") << QByteArray("[Accesso]\r\nValore=\r\n") << kWrong;
        QTest::newRow("key in another section") << "[Altro]\r\nValore=" + value + "\r\n" << kWrong;
        QTest::newRow("binary bytes") << QByteArray("\x00\xFF\xFE\x01[Acc\x00sso]\x80\r\n=\n\n", 16) << kWrong;
        QTest::newRow("not hexadecimal") << "[Accesso]\r\nValore=" + value.left(10) + "G" + value.mid(11) + "\r\n"
                                         << kReadFailure;
        QTest::newRow("a blank inside") << "[Accesso]\r\nValore=" + value.left(10) + " " + value.mid(10) + "\r\n"
                                        << kReadFailure;
        QTest::newRow("a letter beyond ASCII") << "[Accesso]\r\nValore=\xC3\xA8" + value + "\r\n" << kReadFailure;
        // Longer than any password the cipher can store: a damaged file.
        QTest::newRow("10 KB value") << "[Accesso]\r\nValore=" + value + QByteArray(10240, 'A') + "\r\n"
                                     << kReadFailure;
        QTest::newRow("10 KB of one line") << QByteArray(10240, '[') << kWrong;
    }

    void login()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, message);
        m_fixture.writeFile(kFile, contents);
        logIn(QStringLiteral("primoaccessodi"));
        if (message.isEmpty()) {
            QVERIFY(Messages::shownTexts().isEmpty());
            QVERIFY(frmAvvio->isVisible());
        } else {
            QCOMPARE(Messages::shownTexts(), QStringList{message});
            QVERIFY(!frmAvvio->isVisible());
            QVERIFY(frmPassword->isVisible());
        }
        QCOMPARE(m_fixture.readFile(kFile), contents);
    }

    void unreadableFile()
    {
        // A folder in the file's place cannot be read, by root either.
        QVERIFY(QDir(m_fixture.path(QString())).mkdir(kFile));
        logIn(QStringLiteral("primoaccessodi"));
        QCOMPARE(Messages::shownTexts(), QStringList{kReadFailure});
        change(QStringLiteral("primoaccessodi"), QStringLiteral("nuova"));
        QCOMPARE(Messages::shownTexts().last(), kChangeFailure);
        QVERIFY(frmCambiaPassword->isVisible());
    }

    void readOnlyFileIsNotChanged()
    {
        const QByteArray contents = "[Accesso]\r\nValore=" + initialValue() + "\r\n";
        m_fixture.writeFile(kFile, contents);
        QVERIFY(QFile::setPermissions(m_fixture.path(kFile), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        change(QStringLiteral("primoaccessodi"), QStringLiteral("nuova"));
        QCOMPARE(Messages::shownTexts(), QStringList{kChangeFailure});
        QVERIFY(frmCambiaPassword->isVisible());
        QCOMPARE(m_fixture.readFile(kFile), contents);
        // It still opens the program.
        frmCambiaPassword->cmdEsci->click();
        logIn(QStringLiteral("primoaccessodi"));
        QVERIFY(frmAvvio->isVisible());
    }

    void changeKeepsTheRestOfTheFile_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        const QByteArray value = initialValue();
        const QByteArray changed = Crypt::Encrypt(QStringLiteral("NUOVA")).toLatin1();
        QTest::newRow("ANSI text of another key")
            << "[Note]\r\nTesto=caff\xE8\r\n[Accesso]\r\nValore=" + value + "\r\n"
            << "[Note]\r\nTesto=caff\xE8\r\n[Accesso]\r\nValore=" + changed + "\r\n";
        QTest::newRow("UTF-8 with its byte-order mark, LF")
            << "\xEF\xBB\xBF[Accesso]\nValore=" + value + "\nAltro=caff\xC3\xA8\n"
            << "\xEF\xBB\xBF[Accesso]\r\nValore=" + changed + "\r\nAltro=caff\xC3\xA8\r\n";
        QTest::newRow("UTF-16") << utf16("[Accesso]\r\nValore=" + value + "\r\n")
                                << utf16("[Accesso]\r\nValore=" + changed + "\r\n");
    }

    void changeKeepsTheRestOfTheFile()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        m_fixture.writeFile(kFile, before);
        change(QStringLiteral("primoaccessodi"), QStringLiteral("nuova"));
        QCOMPARE(Messages::shownTexts(), QStringList{kDone});
        QCOMPARE(m_fixture.readFile(kFile), after);
    }

    void changeOverADamagedFileWritesNothing()
    {
        const QByteArray contents = "[Accesso]\r\nValore=ZZ" + initialValue() + "\r\n";
        m_fixture.writeFile(kFile, contents);
        change(QStringLiteral("primoaccessodi"), QStringLiteral("nuova"));
        QCOMPARE(Messages::shownTexts(), QStringList{kChangeFailure});
        QCOMPARE(m_fixture.readFile(kFile), contents);
    }
};

QTEST_MAIN(PasswordFileTest)
#include "PasswordFileTest.moc"
