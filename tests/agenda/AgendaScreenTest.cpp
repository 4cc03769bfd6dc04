#include "GuiFixture.h"
#include "appointments/AppointmentTesting.h"
#include "reportengine/PdfText.h"

#include "agenda/AgendaSelection.h"
#include "agenda/TfrmAgenda.h"
#include "app/TfrmAvvio.h"
#include "appointments/TfrmArchivio_Scadenze.h"
#include "appointments/TfrmWhatsApp_Message.h"
#include "storage/RecordFile.h"
#include "storage/TSchedaAppuntamento.h"

#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QToolButton>

using namespace StoredAppointment;

namespace {
struct Stored
{
    QByteArray data;
    QByteArray ora; // "hh:mm"
    QByteArray avviso;
    QByteArray flag;
    QByteArray contatto;
    QByteArray cel = "333 1234567";
};

QByteArray archive(const QList<Stored>& appointments)
{
    QByteArray bytes;
    for (const Stored& s : appointments)
        bytes += record({{Data, s.data},
                         {OreApp, s.ora.left(2)},
                         {MinutiApp, s.ora.mid(3, 2)},
                         {Ora, s.ora},
                         {Avviso, s.avviso},
                         {Causale, "Manicure"},
                         {Contatto, s.contatto},
                         {Cel, s.cel},
                         {Importo, "25,00"},
                         {Ottemperata, s.flag}});
    return bytes;
}

QListView* list()
{
    return frmAgenda->lstRecords;
}

QStringList lines()
{
    QStringList texts;
    for (int row = 0; row < list()->model()->rowCount(); ++row)
        texts << list()->model()->index(row, 0).data().toString();
    return texts;
}

// The client column of each line, trimmed.
QStringList clients()
{
    QStringList names;
    for (const QString& line : lines())
        names << line.mid(48, 30).trimmed();
    return names;
}

void clickLine(int row)
{
    const QRect item = list()->visualRect(list()->model()->index(row, 0));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, QPoint(20, item.center().y()));
}

QStringList selectedAppointment()
{
    return {frmAgenda->titData->text(), frmAgenda->titOra->text(), frmAgenda->titContatto->text(),
            frmAgenda->titCel->text()};
}

// Which of the two picture pairs shows.
QString pictures()
{
    const bool yes = !frmAgenda->imgPresenti->isHidden() && !frmAgenda->imgAppuntamentiSI->isHidden();
    const bool no = !frmAgenda->imgAssenti->isHidden() && !frmAgenda->imgAppuntamentiNO->isHidden();
    return yes && !no ? QStringLiteral("si") : no && !yes ? QStringLiteral("no") : QStringLiteral("both or none");
}

const QByteArray kSoundFile = "ID3\x03\x00 chime";
} // namespace

class AgendaScreenTest : public QObject
{
    Q_OBJECT

private:
    GuiFixture m_fixture;

    void store(const QList<Stored>& appointments)
    {
        m_fixture.writeFile(TSchedaAppuntamento::fileName(), archive(appointments));
    }

    void showAgenda()
    {
        showScreen(frmAgenda, frmAvvio);
        QVERIFY(frmAgenda->isVisible());
    }

private Q_SLOTS:
    void init()
    {
        // The agenda takes today's date when it is created.
        Clock::setForTests(QDateTime(QDate(2024, 5, 10), QTime(12, 0)));
        m_fixture.setUp();
        m_fixture.writeFile(QStringLiteral("Avviso.mp3"), kSoundFile);
        frmAvvio->Show();
    }
    void cleanup() { m_fixture.tearDown(); }

    void createdOnToday()
    {
        QCOMPARE(frmAgenda->objectName(), QStringLiteral("frmAgenda"));
        QCOMPARE(frmAgenda->windowTitle(), QStringLiteral(" Brivanta - Agenda Appuntamenti"));
        QCOMPARE(frmAgenda->calAppuntamenti->selectedDate(), QDate(2024, 5, 10));
        QCOMPARE(pictures(), QStringLiteral("no"));
    }

    void imminentListing_data()
    {
        QTest::addColumn<QList<Stored>>("archive");
        QTest::addColumn<QStringList>("listed");

        // Today is 10/05/2024.
        QTest::newRow("notice 0, on its day")
            << QList<Stored>{{"10/05/2024", "10:00", "0", no, "Oggi"}} << QStringList{"Oggi"};
        QTest::newRow("notice 0, the day before")
            << QList<Stored>{{"11/05/2024", "10:00", "0", no, "Domani"}} << QStringList{};
        QTest::newRow("notice 3, first day")
            << QList<Stored>{{"13/05/2024", "10:00", "3", no, "Fra tre"}} << QStringList{"Fra tre"};
        QTest::newRow("notice 3, a day early")
            << QList<Stored>{{"14/05/2024", "10:00", "3", no, "Fra quattro"}} << QStringList{};
        QTest::newRow("past, still listed")
            << QList<Stored>{{"02/01/2023", "10:00", "0", no, "Passato"}} << QStringList{"Passato"};
        QTest::newRow("fulfilled") << QList<Stored>{{"10/05/2024", "10:00", "0", yes, "Fatto"}} << QStringList{};
        QTest::newRow("empty flag") << QList<Stored>{{"10/05/2024", "10:00", "0", "", "Senza flag"}} << QStringList{};
        QTest::newRow("unreadable records mid-file")
            << QList<Stored>{{"09/05/2024", "10:00", "0", no, "Prima"},
                             {"31/02/2024", "10:00", "0", no, "Data storta"},
                             {"10/05/2024", "11:00", "x", no, "Preavviso storto"},
                             {"10/05/2024", "12:00", "0", no, "Dopo"}}
            << QStringList{"Prima", "Dopo"};
    }

    void imminentListing()
    {
        QFETCH(QList<Stored>, archive);
        QFETCH(QStringList, listed);
        store(archive);

        showAgenda();

        QCOMPARE(clients(), listed);
        QCOMPARE(pictures(), listed.isEmpty() ? QStringLiteral("no") : QStringLiteral("si"));
        QCOMPARE(SoundPlayer::playedCount(), listed.isEmpty() ? 0 : 1);
    }

    void missingArchiveIsCreatedEmpty()
    {
        showAgenda();

        QCOMPARE(lines(), QStringList());
        QCOMPARE(pictures(), QStringLiteral("no"));
        QCOMPARE(SoundPlayer::playedCount(), 0);
        QCOMPARE(m_fixture.readFile(TSchedaAppuntamento::fileName()), QByteArray());
        QVERIFY(QFile::exists(m_fixture.path(TSchedaAppuntamento::fileName())));
    }

    void linesInKeyOrderThenFolded()
    {
        store({{"10/05/2024", "15:30", "0", no, "Verdi Luca"},
               {"05/01/2024", "18:00", "0", no, "Anno prima"},
               {"10/05/2024", "09:00", "0", no, "rossi anna"},
               {"09/05/2024", "09:00", "0", no, "Giorno prima"},
               {"10/05/2024", "09:00", "0", no, "Bianchi Carla"},
               {"10/05/2024", "09:00", "0", no, "bianchi carla", "333 0000000"}});

        showAgenda();

        QCOMPARE(clients(), (QStringList{"Anno prima", "Giorno prima", "bianchi carla", "Bianchi Carla", "rossi anna",
                                         "Verdi Luca"}));
        QCOMPARE(lines().first(), "ID: 202401051800  Data: 05/01/2024  Ora: 18:00  Anno prima" + QString(20, ' ') +
                                      "  Cel. 333 1234567     Manicure" + QString(34, ' ') +
                                      QStringLiteral("  \u20AC 25,00"));
        const QFont font = list()->model()->index(0, 0).data(Qt::FontRole).value<QFont>();
        QCOMPARE(font.pointSize(), 14);
    }

    void pictureAndSound_data()
    {
        QTest::addColumn<bool>("imminent");
        QTest::addColumn<bool>("soundFile");
        QTest::addColumn<QString>("pictures");
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<int>("played");

        QTest::newRow("imminent, sound beside the program") << true << true << "si" << true << 1;
        QTest::newRow("imminent, no sound file") << true << false << "si" << false << 0;
        QTest::newRow("none imminent") << false << true << "no" << false << 0;
    }

    void pictureAndSound()
    {
        QFETCH(bool, imminent);
        QFETCH(bool, soundFile);
        QFETCH(QString, pictures);
        QFETCH(bool, loaded);
        QFETCH(int, played);
        store({{"10/05/2024", "10:00", "0", imminent ? no : yes, "Rossi"}});
        if (!soundFile)
            QVERIFY(QFile::remove(m_fixture.path(QStringLiteral("Avviso.mp3"))));

        showAgenda();

        QCOMPARE(::pictures(), pictures);
        QCOMPARE(SoundPlayer::lastLoaded(), loaded);
        QCOMPARE(SoundPlayer::playedCount(), played);
        QCOMPARE(Messages::shown().size(), 0);
    }

    void soundAtEveryShowing()
    {
        store({{"10/05/2024", "10:00", "0", no, "Rossi"}});
        showAgenda();
        QTest::mouseClick(frmAgenda->imgEsci, Qt::LeftButton);
        showAgenda();

        QCOMPARE(SoundPlayer::playedCount(), 2);
        QVERIFY(SoundPlayer::playing());
    }

    void showingAgainSeesAnotherWorkstationsChange()
    {
        // An archive in use for a while: the agenda reads again only the
        // appointments not yet fulfilled, until the file changes.
        QList<Stored> before{{"10/05/2024", "10:00", "0", no, "Rossi"}, {"10/05/2024", "11:00", "0", yes, "Verdi"}};
        for (int i = 0; i < 6; ++i)
            before.append({"02/05/2024", "09:00", "0", yes, "Fatto"});
        const auto settle = [&] {
            QFile f(m_fixture.path(TSchedaAppuntamento::fileName()));
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-3600), QFileDevice::FileModificationTime));
        };
        store(before);
        settle();
        // The second showing makes its line from what the first one kept: every field of it.
        const QString line = QStringLiteral("ID: 202405101000  Data: 10/05/2024  Ora: 10:00  ") +
                             QStringLiteral("Rossi").leftJustified(30) + QStringLiteral("  Cel. ") +
                             QStringLiteral("333 1234567").leftJustified(14) + QStringLiteral("  ") +
                             QStringLiteral("Manicure").leftJustified(42) + QStringLiteral("  \u20AC 25,00");
        for (int showing = 0; showing < 2; ++showing) {
            showAgenda();
            QCOMPARE(lines(), QStringList{line});
            QCOMPARE(RecordFile::keptForTests(TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size,
                                              AgendaSelection::unfulfilled),
                     1);
            QTest::mouseClick(frmAgenda->imgEsci, Qt::LeftButton);
        }

        // Another workstation unticks Verdi's appointment: same size, the
        // flag rewritten in place.
        before[1].flag = no;
        store(before);
        showAgenda();
        QCOMPARE(clients(), (QStringList{"Rossi", "Verdi"}));
    }

    void clickFillsTheFourLabels()
    {
        const QByteArray longName = "Bianchi Maria Antonietta Carlotta";
        store({{"10/05/2024", "15:30", "0", no, longName + " Rossi", "333 1111111"},
               {"10/05/2024", "09:00", "0", no, "Verdi Luca", "333 2222222"},
               {"10/05/2024", "15:30", "0", no, longName + " Neri", "333 1111111"}});
        showAgenda();
        QCOMPARE(lines()[1], lines()[2]);

        clickLine(2);
        QCOMPARE(selectedAppointment(),
                 (QStringList{"10/05/2024", "15:30", QString::fromLatin1(longName + " Neri"), "333 1111111"}));
        clickLine(1);
        QCOMPARE(selectedAppointment(),
                 (QStringList{"10/05/2024", "15:30", QString::fromLatin1(longName + " Rossi"), "333 1111111"}));
        // Moving along the list with the keys selects just as a click does.
        QTest::keyClick(list(), Qt::Key_Up);
        QCOMPARE(selectedAppointment(), (QStringList{"10/05/2024", "09:00", "Verdi Luca", "333 2222222"}));
    }

    void showingEmptiesTheLabels()
    {
        store({{"10/05/2024", "15:30", "0", no, "Rossi"}});
        showAgenda();
        clickLine(0);
        QCOMPARE(frmAgenda->titContatto->text(), QStringLiteral("Rossi"));

        frmAgenda->close();
        showAgenda();

        QCOMPARE(selectedAppointment(), (QStringList{"", "", "", ""}));
        QCOMPARE(list()->selectionModel()->selectedIndexes().size(), 0);
    }

    void whatsAppWarnings_data()
    {
        QTest::addColumn<QList<Stored>>("archive");
        QTest::addColumn<QString>("warning");

        QTest::newRow("empty list")
            << QList<Stored>{{"20/05/2024", "10:00", "0", no, "Lontano"}}
            << "Invio messaggio di WhatsApp non applicabile: la lista non contiene nessun appuntamento.";
        QTest::newRow("lines, none selected")
            << QList<Stored>{{"10/05/2024", "10:00", "0", no, "Rossi"}}
            << "Attenzione: selezionare dall'elenco il cliente a cui si desidera inviare il promemoria "
               "dell'appuntamento prima di fare clic sull'icona di WhatsApp.";
    }

    void whatsAppWarnings()
    {
        QFETCH(QList<Stored>, archive);
        QFETCH(QString, warning);
        store(archive);
        showAgenda();
        ModalWatch watch([](QDialog* dialog) { dialog->reject(); });

        QTest::mouseClick(frmAgenda->btnWhatsApp, Qt::LeftButton);

        QVERIFY(!watch.seen());
        QCOMPARE(Messages::shown().size(), 1);
        QCOMPARE(Messages::shown().first().kind, Messages::Kind::Warning);
        QCOMPARE(Messages::shown().first().text, warning);
    }

    void whatsAppReminderGetsTheWholeAppointment()
    {
        const QByteArray name = "Bianchi Maria Antonietta Carlotta Neri";
        store({{"10/05/2024", "09:05", "0", no, name, "+39 333 1234567 89"}});
        showAgenda();
        clickLine(0);
        QStringList fields;
        ModalWatch watch([&fields](QDialog* dialog) {
            auto* message = qobject_cast<TfrmWhatsApp_Message*>(dialog);
            QVERIFY(message);
            QCOMPARE(message->parentWidget(), frmAgenda);
            fields = QStringList{message->txtData->text(), message->txtOra->text(), message->txtContatto->text(),
                                 message->txtCel->text()};
            message->btnChiudi->click();
        });

        QTest::mouseClick(frmAgenda->btnWhatsApp, Qt::LeftButton);

        QVERIFY(watch.seen());
        QCOMPARE(fields, (QStringList{"10/05/2024", "09:05", QString::fromLatin1(name), "+39 333 1234567 89"}));
        QCOMPARE(Messages::shown().size(), 0);
        QCOMPARE(TMisc::opened(), QStringList());
    }

    void printing_data()
    {
        QTest::addColumn<QList<Stored>>("archive");
        QTest::addColumn<QStringList>("printed");

        const QString title = QStringLiteral("Riepilogo appuntamenti imminenti");
        const QString footer = QStringLiteral("Stampa eseguita in data 10/05/2024");
        QTest::newRow("empty list") << QList<Stored>{} << QStringList{title, footer};
        QTest::newRow("lines in the order shown")
            << QList<Stored>{{"10/05/2024", "15:30", "0", no, "Rossi Anna"},
                             {"08/05/2024", "09:00", "2", no, "Bianchi Carla"}}
            << QStringList{title,
                           QStringLiteral("ID: 202405080900 Data: 08/05/2024 Ora: 09:00 Bianchi Carla Cel. 333 "
                                          "1234567 Manicure \u20AC 25,00"),
                           QStringLiteral("ID: 202405101530 Data: 10/05/2024 Ora: 15:30 Rossi Anna Cel. 333 "
                                          "1234567 Manicure \u20AC 25,00"),
                           footer};
    }

    void printing()
    {
        QFETCH(QList<Stored>, archive);
        QFETCH(QStringList, printed);
        store(archive);
        showAgenda();
        const QString pdf = m_fixture.path(QStringLiteral("agenda.pdf"));
        PrintDialog::setNextPdf(pdf);

        QTest::mouseClick(frmAgenda->btnStampa, Qt::LeftButton);

        QCOMPARE(pdfPages(pdf), QStringList{printed.join(QLatin1Char('\n'))});
        QCOMPARE(Messages::shown().size(), 0);
    }

    void modalScreens_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("screen");

        QTest::newRow("Esporta in Excel") << "btnExcel"
                                          << "frmExpImminenti";
        QTest::newRow("appuntamenti del giorno") << "btnGiorno"
                                                 << "frmExpGiornaliere";
        QTest::newRow("appuntamenti del mese") << "btnMese"
                                               << "frmExpMensili";
        QTest::newRow("Guida") << "imgGuida"
                               << "frmGuida";
    }

    void modalScreens()
    {
        QFETCH(QString, button);
        QFETCH(QString, screen);
        showAgenda();
        QString opened;
        QWidget* owner = nullptr;
        QString helpTitle;
        ModalWatch watch([&](QDialog* dialog) {
            opened = dialog->objectName();
            owner = dialog->parentWidget();
            if (auto* title = control<QLabel>(dialog, "lblTitolo"))
                helpTitle = title->text();
            dialog->reject();
        });

        QTest::mouseClick(control<QToolButton>(frmAgenda, button.toLatin1()), Qt::LeftButton);

        QVERIFY(watch.seen());
        QCOMPARE(opened, screen);
        QCOMPARE(owner, frmAgenda);
        if (screen == QStringLiteral("frmGuida"))
            QCOMPARE(helpTitle, QStringLiteral("App Agenda Appuntamenti"));
        QVERIFY(frmAgenda->isVisible());
    }

    void toTheCardTheSoundGoesOn_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("INSERISCI APPUNTAMENTI") << "btnArchivio";
        QTest::newRow("its picture") << "appApriArchivio";
    }

    void toTheCardTheSoundGoesOn()
    {
        QFETCH(QString, button);
        store({{"10/05/2024", "10:00", "0", no, "Rossi"}});
        showAgenda();

        QTest::mouseClick(control<QToolButton>(frmAgenda, button.toLatin1()), Qt::LeftButton);

        QVERIFY(frmArchivio_Scadenze->isVisible());
        QVERIFY(!frmAgenda->isVisible());
        QVERIFY(SoundPlayer::playing());
    }

    void closingReturnsToTheLauncherAndStopsTheSound_data()
    {
        QTest::addColumn<bool>("exitPicture");
        QTest::newRow("Esci") << true;
        QTest::newRow("close box") << false;
    }

    void closingReturnsToTheLauncherAndStopsTheSound()
    {
        QFETCH(bool, exitPicture);
        store({{"10/05/2024", "10:00", "0", no, "Rossi"}});
        showAgenda();
        QVERIFY(SoundPlayer::playing());

        if (exitPicture)
            QTest::mouseClick(frmAgenda->imgEsci, Qt::LeftButton);
        else
            frmAgenda->close();

        QVERIFY(frmAvvio->isVisible());
        QVERIFY(!frmAgenda->isVisible());
        QVERIFY(!SoundPlayer::playing());
    }
};

QTEST_MAIN(AgendaScreenTest)
#include "AgendaScreenTest.moc"
