#include "GuiFixture.h"

#include "agenda/TfrmAgenda.h"
#include "app/DataFolder.h"
#include "app/Settings.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmGuida.h"
#include "app/TfrmInfo.h"
#include "app/TfrmSplash.h"
#include "clients/TfrmClienti.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace {
// Clicks command on the launcher, and runs inspect on the modal window it
// opens, which inspect leaves through its "Chiudi" button.
template <class Window> void clickAndInspect(const char* command, const std::function<void(Window*)>& inspect)
{
    bool done = false;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        QVERIFY(window);
        QCOMPARE(window->parentWidget(), frmAvvio);
        inspect(window);
        QTest::mouseClick(control<QPushButton>(window, "btnChiudi"), Qt::LeftButton);
        done = true;
    });
    QTest::mouseClick(control<QToolButton>(frmAvvio, command), Qt::LeftButton);
    QTRY_VERIFY(done);
    QVERIFY(!QApplication::activeModalWidget());
}

QColor linkColour(QLabel* link)
{
    return link->palette().color(QPalette::WindowText);
}

// Press and release on the link's picture, then a click on the link text:
// orange while pressed, dark blue after; the click opens target.
void checkLink(QWidget* window, const char* picture, const QString& target)
{
    auto* link = control<QLabel>(window, "lnkWeb");
    auto* image = control<QLabel>(window, picture);
    QVERIFY(link && image);
    QVERIFY(link->font().underline());
    QTest::mousePress(image, Qt::LeftButton);
    QCOMPARE(linkColour(link), QColor(0xFF, 0xA5, 0x00));
    QTest::mouseRelease(image, Qt::LeftButton);
    QCOMPARE(linkColour(link), QColor(0x00, 0x00, 0x8B));
    QCOMPARE(TMisc::opened(), QStringList{target});
    QTest::mousePress(link, Qt::LeftButton);
    QCOMPARE(linkColour(link), QColor(0xFF, 0xA5, 0x00));
    QTest::mouseRelease(link, Qt::LeftButton);
    QCOMPARE(linkColour(link), QColor(0x00, 0x00, 0x8B));
    QCOMPARE(TMisc::opened(), (QStringList{target, target}));
    // The shell reports a missing file itself; the window stays.
    QVERIFY(window->isVisible());
}
} // namespace

class LauncherTest : public QObject
{
    Q_OBJECT

private:
    GuiFixture m_fixture;

private Q_SLOTS:
    void init()
    {
        m_fixture.setUp();
        frmAvvio->Show();
    }
    void cleanup() { m_fixture.tearDown(); }

    void appsShowTheirScreen_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("screen");
        QTest::newRow("client picture") << "imgApp01"
                                        << "frmClienti";
        QTest::newRow("client caption") << "btnApp01"
                                        << "frmClienti";
        QTest::newRow("agenda picture") << "imgApp02"
                                        << "frmAgenda";
        QTest::newRow("agenda caption") << "btnApp02"
                                        << "frmAgenda";
    }

    void appsShowTheirScreen()
    {
        QFETCH(QString, command);
        QFETCH(QString, screen);
        QWidget* target = screen == QLatin1String("frmClienti") ? static_cast<QWidget*>(frmClienti) : frmAgenda;
        QTest::mouseClick(control<QToolButton>(frmAvvio, qPrintable(command)), Qt::LeftButton);
        QVERIFY(target->isVisible());
        QVERIFY(!frmAvvio->isVisible());
        target->close();
        QVERIFY(!target->isVisible());
        QVERIFY(frmAvvio->isVisible());
    }

    void helpShowsTheOverview()
    {
        clickAndInspect<TfrmGuida>("imgGuida", [](TfrmGuida* guida) {
            QCOMPARE(guida->windowTitle(), QString(" Guida all'utilizzo del software"));
            QCOMPARE(guida->frameGeometry().size(), QSize(676, 598));
            QCOMPARE(guida->lblTitolo->text(), QString("Uno sguardo a Brivanta"));
            QVERIFY(guida->txtGuida->isReadOnly());
            QCOMPARE(guida->txtGuida->lineWrapMode(), QPlainTextEdit::WidgetWidth);
            const QStringList shown = guida->txtGuida->toPlainText().split(QStringLiteral("\n\n"));
            QCOMPARE(shown.size(), 36);
            QVERIFY(shown.at(34).contains(QStringLiteral("primoaccessodi")));
            checkLink(guida, "imgPDF", DataFolder::filePath(QStringLiteral("Guida.pdf")));
        });
    }

    void helpWindowStartsWithoutTopic()
    {
        TfrmGuida guida(frmAvvio);
        QCOMPARE(guida.lblTitolo->text(), QString("Argomento della guida."));
    }

    void informationWritesToTheMaker()
    {
        clickAndInspect<TfrmInfo>("imgInfo", [](TfrmInfo* info) {
            QCOMPARE(info->windowTitle(), QString(" Informazioni su Brivanta"));
            QCOMPARE(info->lnkWeb->text(), Settings::makerEmail());
            checkLink(info, "imgEmail",
                      "mailto:" + Settings::makerEmail() +
                          "?subject=Software Brivanta&body=Salve, desidererei avere le seguenti informazioni sul "
                          "software in oggetto:");
        });
    }

    void makersMarkShowsThePictureWindow()
    {
        clickAndInspect<TfrmSplash>("imgMarchio", [](TfrmSplash* splash) {
            QVERIFY(splash->windowTitle().contains(QStringLiteral("Brivanta")));
            QCOMPARE(splash->lnkWeb->text(), Settings::makerWebSite());
            // Centred on the launcher.
            QVERIFY((splash->frameGeometry().center() - frmAvvio->frameGeometry().center()).manhattanLength() <= 2);
            checkLink(splash, "imgWeb", Settings::makerWebSite());
        });
    }

    void siteOpensTheMakersAddress()
    {
        QTest::mouseClick(control<QToolButton>(frmAvvio, "imgSito"), Qt::LeftButton);
        QCOMPARE(TMisc::opened(), QStringList{Settings::makerWebSite()});
        QVERIFY(frmAvvio->isVisible());
    }

    void closingEndsTheProgram_data()
    {
        QTest::addColumn<bool>("byExitPicture");
        QTest::newRow("exit picture") << true;
        QTest::newRow("window closed") << false;
    }

    void closingEndsTheProgram()
    {
        QFETCH(bool, byExitPicture);
        // Should the program not end, the guard ends the loop with another code.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        guard.start(10000);
        QTimer::singleShot(0, [byExitPicture] {
            if (byExitPicture)
                QTest::mouseClick(control<QToolButton>(frmAvvio, "imgEsci"), Qt::LeftButton);
            else
                frmAvvio->close();
        });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(Messages::shown().isEmpty());
    }
};

QTEST_MAIN(LauncherTest)
#include "LauncherTest.moc"
