#include "GuiFixture.h"

#include "access/TfrmPassword.h"
#include "agenda/TfrmAgenda.h"
#include "app/Screen.h"
#include "app/TfrmAvvio.h"
#include "appointments/TfrmArchivio_Scadenze.h"
#include "appointments/TfrmCalendario.h"
#include "clients/TfrmClienti.h"

class ScreenFlowTest : public QObject
{
    Q_OBJECT

private:
    GuiFixture m_fixture;

private Q_SLOTS:
    void init() { m_fixture.setUp(); }
    void cleanup() { m_fixture.tearDown(); }

    void thirtyScreensInOrder()
    {
        const QStringList expected {
            "frmPassword",       "frmAgenda",         "frmAllegaCartella", "frmAllegaExcel",     "frmArchivio_Scadenze",
            "frmAssolti",        "frmAvvio",          "frmCalendario",     "frmCambiaPassword",  "frmCarta",
            "frmClienti",        "frmCodFisc",        "frmConfermati",     "frmExpClienti",      "frmExpGiornaliere",
            "frmExpImminenti",   "frmExpMensili",     "frmExpScadenzario", "frmGuida",           "frmIban",
            "frmInfo",           "frmPartitaIva",     "frmRicontatta",     "frmScaduti",         "frmSplash",
            "frmStampaScadenza", "frmStartup",        "frmTrovaClienti",   "frmTrovaScadenze",   "frmWhatsApp_Message"};
        QStringList names;
        for (QWidget* screen : Screens::all()) {
            names << screen->objectName();
            QVERIFY2(!screen->isVisible(), qPrintable(screen->objectName()));
            QVERIFY2(screen->windowTitle().startsWith(' '), qPrintable(screen->objectName()));
        }
        QCOMPARE(names, expected);
        QCOMPARE(frmAgenda->windowTitle(), QString(" Brivanta - Agenda Appuntamenti"));
        QCOMPARE(frmArchivio_Scadenze->windowTitle(), QString(" Brivanta - Schedario Appuntamenti"));
        QCOMPARE(frmClienti->windowTitle(), QString(" Brivanta - Clienti e Trattamenti"));
    }

    void smallScreensHaveNoCloseBox()
    {
        for (QWidget* screen : Screens::all()) {
            if (qobject_cast<TopLevelScreen*>(screen))
                continue;
            const Qt::WindowFlags flags = screen->windowFlags();
            QVERIFY2(flags & Qt::CustomizeWindowHint, qPrintable(screen->objectName()));
            QVERIFY2(!(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)),
                     qPrintable(screen->objectName()));
        }
    }

    void topLevelScreensReturnToTheLauncher()
    {
        frmAvvio->Show();
        showScreen(frmClienti, frmAvvio);
        QVERIFY(frmClienti->isVisible());
        QVERIFY(!frmAvvio->isVisible());
        frmClienti->close();
        QVERIFY(!frmClienti->isVisible());
        QVERIFY(frmAvvio->isVisible());

        // Closing the appointment card goes to the launcher, not to the agenda.
        showScreen(frmAgenda, frmAvvio);
        showScreen(frmArchivio_Scadenze, frmAgenda);
        QVERIFY(!frmAgenda->isVisible());
        frmArchivio_Scadenze->close();
        QVERIFY(frmAvvio->isVisible());
        QVERIFY(!frmAgenda->isVisible());
        QVERIFY(!frmArchivio_Scadenze->isVisible());
    }

    void modalScreenIsANewInstanceEachTime()
    {
        for (int i = 0; i < 2; ++i) {
            TfrmCalendario picker(frmArchivio_Scadenze);
            QCOMPARE(picker.objectName(), QString("frmCalendario"));
            QVERIFY(&picker != frmCalendario);
            QCOMPARE(picker.parentWidget(), frmArchivio_Scadenze);
        }
    }
};

QTEST_MAIN(ScreenFlowTest)
#include "ScreenFlowTest.moc"
