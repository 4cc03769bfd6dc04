#include "AppointmentTesting.h"
#include "GuiFixture.h"

#include "agenda/TfrmAgenda.h"
#include "app/TfrmAvvio.h"
#include "appointments/TfrmArchivio_Scadenze.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QUrlQuery>

using namespace StoredAppointment;

namespace {
const QString kArchive = QStringLiteral("Archivio_Appuntamenti.pro");
const QString kEmpty = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kAppended = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString kRewritten = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kArchiveError = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i privilegi di "
    "scrittura nella cartella di installazione del programma.");

QWidget* card()
{
    return frmArchivio_Scadenze;
}

template <class T>
T* on(const char* name)
{
    T* widget = control<T>(card(), name);
    if (!widget)
        qFatal("no control %s on the appointment card", name);
    return widget;
}

QLineEdit* edit(const char* name)
{
    return on<QLineEdit>(name);
}

QComboBox* dropDown(const char* name)
{
    return on<QComboBox>(name);
}

QString position()
{
    return on<QLabel>("lblPosizione")->text();
}

void click(const char* name)
{
    on<QToolButton>(name)->click();
}

QByteArray records(const QList<QByteArray>& list)
{
    QByteArray bytes;
    for (const QByteArray& record : list)
        bytes += record;
    return bytes;
}
} // namespace

class AppointmentCardTest : public QObject
{
    Q_OBJECT

private:
    GuiFixture m_fixture;

    void archiveOf(int count)
    {
        QList<QByteArray> list;
        for (int i = 1; i <= count; ++i)
            list << named("Cliente " + QByteArray::number(i));
        m_fixture.writeFile(kArchive, records(list));
    }

    // A new appointment typed as a user types it; the hours and minutes are
    // chosen from their lists, the date comes from the picker.
    void typeNewAppointment()
    {
        edit("txtData")->setText("05/03/2025");
        dropDown("txtOreApp")->setCurrentIndex(9);
        dropDown("txtMinutiApp")->setCurrentIndex(5);
        edit("txtAvviso")->selectAll();
        QTest::keyClicks(edit("txtAvviso"), "3");
        QTest::keyClicks(edit("txtTipologia"), "Anna");
        QTest::keyClicks(edit("txtCausale"), "Pedicure");
        QTest::keyClicks(edit("txtDettagli"), "Smalto rosso");
        QTest::keyClicks(edit("txtContatto"), "Rossi Maria");
        QTest::keyClicks(edit("txtTel"), "06 1234567");
        QTest::keyClicks(edit("txtCel"), "3331234567");
        QTest::keyClicks(edit("txtEmail"), "maria@example.it");
        edit("txtLuogo")->setText(QStringLiteral("Carta di credito, più bancomat"));
        edit("txtImporto")->setFocus();
        edit("txtImporto")->selectAll();
        QTest::keyClicks(edit("txtImporto"), "12,5");
        QTest::keyClicks(edit("txtNote"), "Prima visita");
        on<QCheckBox>("chkOttemperata")->setChecked(true);
    }

    QByteArray typedAppointmentBytes(const QByteArray& amount)
    {
        return record({{Data, "05/03/2025"},
                       {OreApp, "09"},
                       {MinutiApp, "05"},
                       {Ora, "09:05"},
                       {Avviso, "3"},
                       {Tipologia, "Anna"},
                       {Causale, "Pedicure"},
                       {Dettagli, "Smalto rosso"},
                       {Contatto, "Rossi Maria"},
                       {Tel, "06 1234567"},
                       {Cel, "3331234567"},
                       {Email, "maria@example.it"},
                       {Luogo, "Carta di credito, pi\xF9 bancomat"},
                       {Importo, amount},
                       {Note, "Prima visita"},
                       {Ottemperata, yes}});
    }

private Q_SLOTS:
    void init()
    {
        m_fixture.setUp();
        showScreen(frmArchivio_Scadenze, frmAgenda);
        QVERIFY(QTest::qWaitForWindowExposed(card()));
        card()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(card()));
        QTRY_VERIFY(edit("txtData")->hasFocus());
    }
    void cleanup() { m_fixture.tearDown(); }

    void opensAsAnEmptyNewCard()
    {
        QCOMPARE(edit("txtData")->text(), QString());
        QCOMPARE(dropDown("txtOreApp")->currentText(), QString("00"));
        QCOMPARE(dropDown("txtMinutiApp")->currentText(), QString("00"));
        QCOMPARE(dropDown("txtOreApp")->count(), 24);
        QCOMPARE(dropDown("txtMinutiApp")->itemText(59), QString("59"));
        QCOMPARE(edit("txtAvviso")->text(), QString("0"));
        QCOMPARE(edit("txtImporto")->text(), QString("0,00"));
        QCOMPARE(position(), QString());
        QVERIFY(edit("txtData")->isReadOnly());
        QCOMPARE(on<QLabel>("panInfo")->text(), QString("Pronto per archiviare una nuova scheda..."));
        const struct {
            const char* name;
            int max;
        } lengths[] = {{"txtData", 10},      {"txtAvviso", 3},   {"txtTipologia", 50}, {"txtCausale", 250},
                       {"txtDettagli", 250}, {"txtContatto", 50}, {"txtTel", 30},       {"txtCel", 30},
                       {"txtEmail", 50},     {"txtLuogo", 250},  {"txtImporto", 15},   {"txtNote", 250}};
        for (const auto& field : lengths)
            QCOMPARE(edit(field.name)->maxLength(), field.max);
        QCOMPARE(dropDown("txtOreApp")->lineEdit()->maxLength(), 2);

        // Every showing starts again from an empty card.
        archiveOf(1);
        click("cmdPrimo");
        QCOMPARE(position(), QString("1"));
        click("cmdEsci");
        QVERIFY(frmAvvio->isVisible());
        QVERIFY(!card()->isVisible());
        showScreen(frmArchivio_Scadenze, frmAgenda);
        QCOMPARE(position(), QString());
        QCOMPARE(edit("txtContatto")->text(), QString());
    }

    void navigation_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("emptyMessage");

        for (const char* command : {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo"})
            QTest::addRow("0 records, new card, %s", command) << 0 << "" << command << "" << true;
        QTest::newRow("0 records, stale position, next empties it") << 0 << "2" << "cmdAvanti" << "" << true;
        QTest::newRow("0 records, stale position, last keeps it") << 0 << "2" << "cmdUltimo" << "2" << true;

        for (const char* command : {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo"})
            QTest::addRow("1 record, new card, %s", command) << 1 << "" << command << "1" << false;
        QTest::newRow("1 record, on 1, next does nothing") << 1 << "1" << "cmdAvanti" << "1" << false;
        QTest::newRow("1 record, on 1, previous does nothing") << 1 << "1" << "cmdIndietro" << "1" << false;

        QTest::newRow("3 records, new card, next shows 1") << 3 << "" << "cmdAvanti" << "1" << false;
        QTest::newRow("3 records, new card, previous shows 1") << 3 << "" << "cmdIndietro" << "1" << false;
        QTest::newRow("3 records, new card, last shows 3") << 3 << "" << "cmdUltimo" << "3" << false;
        QTest::newRow("3 records, on 1, next shows 2") << 3 << "1" << "cmdAvanti" << "2" << false;
        QTest::newRow("3 records, on 2, next shows 3") << 3 << "2" << "cmdAvanti" << "3" << false;
        QTest::newRow("3 records, on 3, next does nothing") << 3 << "3" << "cmdAvanti" << "3" << false;
        QTest::newRow("3 records, on 3, previous shows 2") << 3 << "3" << "cmdIndietro" << "2" << false;
        QTest::newRow("3 records, on 1, previous does nothing") << 3 << "1" << "cmdIndietro" << "1" << false;
        QTest::newRow("3 records, on 2, first shows 1") << 3 << "2" << "cmdPrimo" << "1" << false;
        QTest::newRow("3 records, on 1, last shows 3") << 3 << "1" << "cmdUltimo" << "3" << false;
    }
    void navigation()
    {
        QFETCH(int, records);
        QFETCH(QString, shown);
        QFETCH(QString, command);
        QFETCH(QString, expected);
        QFETCH(bool, emptyMessage);
        if (records > 0)
            archiveOf(records);
        // What the card shows before the command; a command that shows nothing leaves it.
        on<QLabel>("lblPosizione")->setText(shown);
        edit("txtContatto")->setText("Sul video");

        click(command.toLatin1().constData());

        QCOMPARE(position(), expected);
        const bool moved = expected != shown && !expected.isEmpty();
        QCOMPARE(edit("txtContatto")->text(), moved ? "Cliente " + expected : QString("Sul video"));
        QCOMPARE(Messages::shownTexts(), emptyMessage ? QStringList {kEmpty} : QStringList {});
        if (emptyMessage)
            QCOMPARE(Messages::shown().first().kind, Messages::Kind::Information);
        // The archive is opened with the open-or-create rule: a missing one is created empty.
        QVERIFY(QFile::exists(m_fixture.path(kArchive)));
        QCOMPARE(m_fixture.readFile(kArchive).size(), records * Size);
    }

    void loadingFillsEveryControl()
    {
        m_fixture.writeFile(kArchive,
                            records({record({{Data, "12/05/2024"},
                                             {OreApp, "7"},
                                             {MinutiApp, "45"},
                                             {Ora, "7:45"},
                                             {Avviso, "10"},
                                             {Tipologia, "Giulia"},
                                             {Causale, "Epilazione laser"},
                                             {Dettagli, "Gambe"},
                                             {Contatto, "Bianchi Laura"},
                                             {Tel, "02 998877"},
                                             {Cel, "3470001122"},
                                             {Email, "laura@example.it"},
                                             {Luogo, "Contanti"},
                                             {Importo, "80,00"},
                                             {Note, "Pelle sensibile"},
                                             {Ottemperata, yes}}),
                                     // A flag that is neither value, as another tool may leave it.
                                     record({{Contatto, "Verdi Anna"}, {Ottemperata, ""}}),
                                     named("Neri Paola")}));
        click("cmdPrimo");
        QCOMPARE(edit("txtData")->text(), QString("12/05/2024"));
        QCOMPARE(dropDown("txtOreApp")->currentText(), QString("7"));
        QCOMPARE(dropDown("txtMinutiApp")->currentText(), QString("45"));
        QCOMPARE(on<QLabel>("lblOra")->text(), QString("7:45"));
        QCOMPARE(edit("txtAvviso")->text(), QString("10"));
        QCOMPARE(edit("txtTipologia")->text(), QString("Giulia"));
        QCOMPARE(edit("txtCausale")->text(), QString("Epilazione laser"));
        QCOMPARE(edit("txtDettagli")->text(), QString("Gambe"));
        QCOMPARE(edit("txtContatto")->text(), QString("Bianchi Laura"));
        QCOMPARE(edit("txtTel")->text(), QString("02 998877"));
        QCOMPARE(edit("txtCel")->text(), QString("3470001122"));
        QCOMPARE(edit("txtEmail")->text(), QString("laura@example.it"));
        QCOMPARE(edit("txtLuogo")->text(), QString("Contanti"));
        QCOMPARE(edit("txtImporto")->text(), QString("80,00"));
        QCOMPARE(edit("txtNote")->text(), QString("Pelle sensibile"));
        QVERIFY(on<QCheckBox>("chkOttemperata")->isChecked());

        click("cmdAvanti");
        QCOMPARE(edit("txtContatto")->text(), QString("Verdi Anna"));
        QVERIFY(on<QCheckBox>("chkOttemperata")->isChecked());
        click("cmdAvanti");
        QVERIFY(!on<QCheckBox>("chkOttemperata")->isChecked());
    }

    void saveAppendsThenRewritesInPlace()
    {
        archiveOf(3);
        const QByteArray before = m_fixture.readFile(kArchive);
        typeNewAppointment();
        click("cmdSalva");

        QCOMPARE(Messages::shownTexts(), QStringList {kAppended});
        QCOMPARE(Messages::shown().first().kind, Messages::Kind::Information);
        QCOMPARE(position(), QString("4"));
        // The amount was normalised when the save moved the focus out of it.
        QCOMPARE(edit("txtImporto")->text(), QString("12,50"));
        QByteArray file = m_fixture.readFile(kArchive);
        QCOMPARE(file.size(), 4 * Size);
        QCOMPARE(file.left(3 * Size), before);
        QCOMPARE(file.mid(3 * Size), typedAppointmentBytes("12,50"));
        QCOMPARE(file.mid(3 * Size + Ottemperata, 3), QByteArray("\x02\x53\xEC", 3));

        // A correction saved again rewrites the same record.
        edit("txtImporto")->setFocus();
        edit("txtImporto")->selectAll();
        QTest::keyClicks(edit("txtImporto"), "40");
        on<QCheckBox>("chkOttemperata")->setChecked(false);
        click("cmdSalva");

        QCOMPARE(Messages::shownTexts(), QStringList({kAppended, kRewritten}));
        QCOMPARE(position(), QString("4"));
        file = m_fixture.readFile(kArchive);
        QCOMPARE(file.size(), 4 * Size);
        QCOMPARE(file.left(3 * Size), before);
        QByteArray corrected = typedAppointmentBytes("40,00");
        corrected.replace(Ottemperata, 3, QByteArray("\x02No", 3));
        QCOMPARE(file.mid(3 * Size), corrected);
    }

    void saveIntoMissingArchiveCreatesIt()
    {
        typeNewAppointment();
        // Left at 00 the time is stored as it stands; it is never reported missing.
        dropDown("txtOreApp")->setCurrentIndex(0);
        dropDown("txtMinutiApp")->setCurrentIndex(0);
        click("cmdSalva");
        QCOMPARE(position(), QString("1"));
        const QByteArray file = m_fixture.readFile(kArchive);
        QCOMPARE(file.size(), Size);
        QCOMPARE(file.mid(OreApp, 9), QByteArray("\x02" "00\x02" "00\x05" "00", 9));
        QCOMPARE(file.mid(Ora, 6), QByteArray("\x05" "00:00"));
    }

    void requiredFieldsInOrder_data()
    {
        QTest::addColumn<QStringList>("filled");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("focus");
        const QString start = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
        QTest::newRow("nothing: only the date")
            << QStringList() << start + "la data dell'appuntamento." << "txtData";
        QTest::newRow("date, notice days emptied")
            << QStringList({"txtData", "-txtAvviso"})
            << start + "i giorni di preavviso rispetto alla data dell'appuntamento." << "txtAvviso";
        QTest::newRow("date") << QStringList({"txtData"}) << start + "i trattamenti richiesti dal cliente."
                              << "txtCausale";
        QTest::newRow("date, treatments")
            << QStringList({"txtData", "txtCausale"}) << start + "il nome del cliente." << "txtContatto";
        QTest::newRow("date, treatments, client")
            << QStringList({"txtData", "txtCausale", "txtContatto"})
            << start + "il numero di cellulare del cliente." << "txtCel";
        QTest::newRow("blanks count as empty")
            << QStringList({"txtData", "txtCausale", "txtContatto", " txtCel"})
            << start + "il numero di cellulare del cliente." << "txtCel";
    }
    void requiredFieldsInOrder()
    {
        QFETCH(QStringList, filled);
        QFETCH(QString, warning);
        QFETCH(QString, focus);
        for (QString name : filled) {
            if (name.startsWith('-')) {
                edit(name.mid(1).toLatin1().constData())->clear();
            } else if (name.startsWith(' ')) {
                edit(name.mid(1).toLatin1().constData())->setText("   ");
            } else {
                edit(name.toLatin1().constData())->setText("x");
            }
        }
        click("cmdSalva");
        QCOMPARE(Messages::shownTexts(), QStringList {warning});
        QCOMPARE(Messages::shown().first().kind, Messages::Kind::Warning);
        QTRY_VERIFY(edit(focus.toLatin1().constData())->hasFocus());
        QCOMPARE(position(), QString());
        // Checks come before the archive is opened.
        QVERIFY(!QFile::exists(m_fixture.path(kArchive)));
    }

    void saveRunsTheExitRuleOfTheFocusedField()
    {
        typeNewAppointment();
        edit("txtAvviso")->setFocus();
        QTest::keyClick(edit("txtAvviso"), Qt::Key_Backspace);
        QTest::keyClick(edit("txtAvviso"), Qt::Key_Backspace);
        QCOMPARE(edit("txtAvviso")->text(), QString());
        click("cmdSalva");
        QCOMPARE(Messages::shownTexts(), QStringList {kAppended});
        QCOMPARE(edit("txtAvviso")->text(), QString("0"));
        QCOMPARE(m_fixture.readFile(kArchive).mid(Avviso, 2), QByteArray("\x01" "0"));
    }

    void duplicateThenSave()
    {
        m_fixture.writeFile(kArchive, records({named("Cliente 1"), typedAppointmentBytes("12,50")}));
        const QByteArray before = m_fixture.readFile(kArchive);
        click("cmdUltimo");
        QCOMPARE(position(), QString("2"));

        click("cmdDuplica");
        QCOMPARE(Messages::shownTexts(),
                 QStringList {"E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\rAl "
                              "termine premere Salva per inserire la scheda in archivio."});
        QCOMPARE(position(), QString());
        QCOMPARE(edit("txtData")->text(), QString());
        QCOMPARE(dropDown("txtOreApp")->currentText(), QString("00"));
        QCOMPARE(dropDown("txtMinutiApp")->currentText(), QString("00"));
        QCOMPARE(dropDown("txtOreApp")->currentIndex(), -1);
        QTRY_VERIFY(edit("txtData")->hasFocus());
        QCOMPARE(edit("txtContatto")->text(), QString("Rossi Maria"));
        QVERIFY(on<QCheckBox>("chkOttemperata")->isChecked());

        edit("txtData")->setText("12/03/2025");
        dropDown("txtOreApp")->setCurrentIndex(16);
        dropDown("txtMinutiApp")->setCurrentIndex(30);
        click("cmdSalva");
        QCOMPARE(position(), QString("3"));
        const QByteArray file = m_fixture.readFile(kArchive);
        QCOMPARE(file.size(), 3 * Size);
        QCOMPARE(file.left(2 * Size), before);
        QByteArray copy = typedAppointmentBytes("12,50");
        copy.replace(Data, 11, QByteArray("\x0A" "12/03/2025"));
        copy.replace(OreApp, 3, QByteArray("\x02" "16"));
        copy.replace(MinutiApp, 3, QByteArray("\x02" "30"));
        copy.replace(Ora, 6, QByteArray("\x05" "16:30"));
        QCOMPARE(file.mid(2 * Size), copy);
    }

    void duplicateNeedsAStoredCard()
    {
        edit("txtContatto")->setText("Rossi Maria");
        edit("txtData")->setText("05/03/2025");
        click("cmdDuplica");
        QCOMPARE(Messages::shownTexts(),
                 QStringList {"Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è stata "
                              "inserita in archivio."});
        QCOMPARE(Messages::shown().first().kind, Messages::Kind::Warning);
        QCOMPARE(edit("txtData")->text(), QString("05/03/2025"));
        QCOMPARE(edit("txtContatto")->text(), QString("Rossi Maria"));
    }

    void newCardForgetsTheRecord()
    {
        archiveOf(2);
        click("cmdUltimo");
        dropDown("txtOreApp")->setCurrentIndex(11);
        on<QCheckBox>("chkOttemperata")->setChecked(true);
        click("cmdNuovo");
        QCOMPARE(position(), QString());
        QCOMPARE(edit("txtContatto")->text(), QString());
        QCOMPARE(edit("txtCausale")->text(), QString());
        QCOMPARE(dropDown("txtOreApp")->currentText(), QString("00"));
        QCOMPARE(dropDown("txtOreApp")->currentIndex(), -1);
        QCOMPARE(edit("txtAvviso")->text(), QString("0"));
        QCOMPARE(edit("txtImporto")->text(), QString("0,00"));
        QVERIFY(!on<QCheckBox>("chkOttemperata")->isChecked());
        QTRY_VERIFY(edit("txtData")->hasFocus());
        QVERIFY(Messages::shown().isEmpty());
    }

    void archiveFailureShowsTheErrorBox_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("first") << "cmdPrimo";
        QTest::newRow("next") << "cmdAvanti";
        QTest::newRow("save") << "cmdSalva";
        QTest::newRow("duplicate") << "cmdDuplica";
    }
    void archiveFailureShowsTheErrorBox()
    {
        QFETCH(QString, command);
        // A folder in the archive's place cannot be opened as a file.
        QVERIFY(QDir(m_fixture.path(QString())).mkdir(kArchive));
        typeNewAppointment();
        if (command == "cmdDuplica")
            on<QLabel>("lblPosizione")->setText("2");
        click(command.toLatin1().constData());
        QCOMPARE(Messages::shownTexts(), QStringList {kArchiveError});
        QCOMPARE(Messages::shown().first().kind, Messages::Kind::Error);
        // Nothing reports success; a failed duplicate has already forgotten the record.
        QCOMPARE(position(), QString());
        QCOMPARE(edit("txtData")->text(), QString("05/03/2025"));
    }

    void saveOfAVanishedRecordFails()
    {
        archiveOf(1);
        typeNewAppointment();
        on<QLabel>("lblPosizione")->setText("5");
        click("cmdSalva");
        QCOMPARE(Messages::shownTexts(), QStringList {kArchiveError});
        QCOMPARE(m_fixture.readFile(kArchive).size(), Size);
    }

    void hoursAndMinutesComeOnlyFromTheirLists()
    {
        QComboBox* hours = dropDown("txtOreApp");
        QComboBox* minutes = dropDown("txtMinutiApp");
        hours->setFocus();
        QTRY_VERIFY(hours->hasFocus());
        QTest::keyClicks(hours, "5a ");
        QTest::keyClick(hours, Qt::Key_Backspace);
        QTest::keyClick(hours, Qt::Key_Down);
        QCOMPARE(hours->currentText(), QString("00"));
        QTest::keyClick(hours, Qt::Key_Return);
        QVERIFY(minutes->hasFocus());
        QTest::keyClicks(minutes, "7");
        QCOMPARE(minutes->currentText(), QString("00"));
        QTest::keyClick(minutes, Qt::Key_Return);
        QVERIFY(edit("txtAvviso")->hasFocus());

        // A stored value that is not an entry is emptied on leaving; an entry stays.
        hours->setEditText("7");
        minutes->setEditText("45");
        hours->setFocus();
        QCOMPARE(hours->currentIndex(), -1);
        QCOMPARE(hours->currentText(), QString("7"));
        minutes->setFocus();
        QCOMPARE(hours->currentText(), QString());
        hours->setFocus();
        QCOMPARE(minutes->currentText(), QString("45"));
        minutes->setEditText("60");
        minutes->setFocus();
        edit("txtNote")->setFocus();
        QCOMPARE(minutes->currentText(), QString());
    }

    void fieldRules()
    {
        QLineEdit* notice = edit("txtAvviso");
        notice->setFocus();
        QTest::keyClick(notice, Qt::Key_Backspace);
        QTest::keyClicks(notice, "1a2 .3");
        QCOMPARE(notice->text(), QString("123"));
        notice->clear();
        edit("txtTipologia")->setFocus();
        QCOMPARE(notice->text(), QString("0"));

        QTest::keyClicks(edit("txtCel"), "+39 333-12a34");
        QCOMPARE(edit("txtCel")->text(), QString("393331234"));
        QTest::keyClicks(edit("txtTel"), "+39 06-12");
        QCOMPARE(edit("txtTel")->text(), QString("+39 06-12"));

        QLineEdit* email = edit("txtEmail");
        // A blank typed at either end is gone at once.
        QTest::keyClicks(email, " maria @x.it ");
        QCOMPARE(email->text(), QString("maria@x.it"));

        QLineEdit* amount = edit("txtImporto");
        amount->setFocus();
        amount->clear();
        QTest::keyClicks(amount, "1.2a-5,5");
        QCOMPARE(amount->text(), QString("125,5"));
        QTest::keyClick(amount, Qt::Key_Return);
        QVERIFY(edit("txtNote")->hasFocus());
        QCOMPARE(amount->text(), QString("125,50"));
        amount->setText("1,,2");
        amount->setFocus();
        edit("txtNote")->setFocus();
        QCOMPARE(amount->text(), QString("0,00"));
        amount->clear();
        amount->setFocus();
        edit("txtNote")->setFocus();
        QCOMPARE(amount->text(), QString("0,00"));
    }

    void returnChain()
    {
        const char* chain[] = {"txtOreApp", "txtMinutiApp", "txtAvviso",   "txtTipologia", "txtCausale",
                               "txtDettagli", "txtContatto", "txtTel",     "txtCel",       "txtEmail",
                               "txtLuogo",    "txtImporto",  "txtNote",    "txtData"};
        on<QWidget>(chain[0])->setFocus();
        for (size_t i = 1; i < std::size(chain); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY2(on<QWidget>(chain[i])->hasFocus(), chain[i]);
        }
    }

    void emailButtonOpensAMailtoAddress()
    {
        edit("txtEmail")->setText("  maria@example.it ");
        click("btnEmail");
        QCOMPARE(TMisc::opened(), QStringList {"mailto:maria@example.it"});
    }

    void whatsAppConfirmationWarnings_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("mobile");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("focus");
        const QString start = QStringLiteral("Attenzione: per inviare la conferma dell'appuntamento al cliente "
                                             "tramite WhatsApp è necessario indicare ");
        QTest::newRow("both empty: only the date") << "" << "" << start + "la data." << "txtData";
        QTest::newRow("no mobile") << "12/05/2024" << " " << start + "il suo numero di cellulare." << "txtCel";
    }
    void whatsAppConfirmationWarnings()
    {
        QFETCH(QString, date);
        QFETCH(QString, mobile);
        QFETCH(QString, warning);
        QFETCH(QString, focus);
        edit("txtData")->setText(date);
        edit("txtCel")->setText(mobile);
        edit("txtNote")->setFocus();
        click("btnWhatsApp");
        QCOMPARE(Messages::shownTexts(), QStringList {warning});
        QCOMPARE(Messages::shown().first().kind, Messages::Kind::Warning);
        QVERIFY(edit(focus.toLatin1().constData())->hasFocus());
        QVERIFY(TMisc::opened().isEmpty());
    }

    void whatsAppConfirmationOfAnUnsavedCard()
    {
        edit("txtData")->setText("12/05/2024");
        dropDown("txtOreApp")->setCurrentIndex(10);
        dropDown("txtMinutiApp")->setCurrentIndex(30);
        edit("txtCel")->setText("3331234567");
        click("btnWhatsApp");
        QCOMPARE(TMisc::opened().size(), 1);
        const QUrl address(TMisc::opened().first());
        QCOMPARE(address.toString(QUrl::RemoveQuery), QString("https://web.whatsapp.com/send"));
        const QUrlQuery query(address);
        QCOMPARE(query.queryItemValue("phone", QUrl::FullyDecoded), QString("3331234567"));
        QCOMPARE(query.queryItemValue("text", QUrl::FullyDecoded),
                 QString("Gentile Cliente, le confermiamo l'appuntamento presso il nostro centro estetico alle ore "
                         "10:30 del giorno 12/05/2024"));
        QVERIFY(Messages::shown().isEmpty());
        QVERIFY(!QFile::exists(m_fixture.path(kArchive)));
    }

    void commandsOpenTheirScreens_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("tag");
        QTest::newRow("search") << "cmdTrova" << "TfrmTrovaScadenze" << "scadenze";
        QTest::newRow("client import") << "impContatto" << "TfrmTrovaClienti" << "scadenze";
        QTest::newRow("date picker") << "impData" << "TfrmCalendario" << "data";
        QTest::newRow("preview") << "cmdAnteprima" << "TfrmStartup" << "";
        QTest::newRow("print") << "cmdStampa" << "TfrmStampaScadenza" << "";
        QTest::newRow("fulfilled") << "cmdAssolti" << "TfrmAssolti" << "";
        QTest::newRow("to fulfil") << "cmdDaAssolvere" << "TfrmConfermati" << "";
        QTest::newRow("expired") << "cmdScaduti" << "TfrmScaduti" << "";
        QTest::newRow("export") << "cmdEsporta" << "TfrmExpScadenzario" << "";
        QTest::newRow("help") << "cmdGuida" << "TfrmGuida" << "";
    }
    void commandsOpenTheirScreens()
    {
        QFETCH(QString, command);
        QFETCH(QString, screen);
        QFETCH(QString, tag);
        QString opened;
        QString seenTag;
        QObject* owner = nullptr;
        ModalWatch watch([&](QDialog* dialog) {
            opened = QString::fromLatin1(dialog->metaObject()->className());
            owner = dialog->parent();
            if (auto* memory = dialog->findChild<QLabel*>("lblMemory"))
                seenTag = memory->text();
            dialog->reject();
        });
        click(command.toLatin1().constData());
        QVERIFY(watch.seen());
        QCOMPARE(opened, screen);
        QCOMPARE(seenTag, tag);
        QCOMPARE(owner, card());
        // The window was the card's own and is gone with its closing.
        QCOMPARE(card()->findChildren<QDialog*>().size(), 0);
    }

    void hints_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("hint");
        QTest::newRow("cmdNuovo") << "cmdNuovo" << "Prepara la schermata per la registrazione di una nuova scheda.";
        QTest::newRow("cmdDuplica")
            << "cmdDuplica"
            << "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.";
        QTest::newRow("cmdSalva") << "cmdSalva" << "Salva la scheda corrente in archivio.";
        QTest::newRow("cmdTrova") << "cmdTrova" << "Trova una scheda in archivio.";
        QTest::newRow("cmdAnteprima") << "cmdAnteprima" << "Visualizza l'anteprima di stampa della scheda corrente.";
        QTest::newRow("cmdStampa") << "cmdStampa" << "Stampa la scheda corrente.";
        QTest::newRow("cmdAssolti") << "cmdAssolti" << "Visualizza il riepilogo degli impegni assolti.";
        QTest::newRow("cmdDaAssolvere")
            << "cmdDaAssolvere" << "Visualizza il riepilogo degli impegni da assolvere, sia scaduti che non.";
        QTest::newRow("cmdScaduti") << "cmdScaduti" << "Visualizza il riepilogo degli impegni scaduti e non assolti.";
        QTest::newRow("cmdEsporta") << "cmdEsporta" << "Esporta l'archivio in un file di Excel.";
        QTest::newRow("cmdGuida") << "cmdGuida" << "Visualizza la guida in linea.";
        QTest::newRow("cmdEsci") << "cmdEsci" << "Esci da questa schermata di lavoro.";
        QTest::newRow("cmdPrimo") << "cmdPrimo" << "Visualizza la prima scheda in archivio.";
        QTest::newRow("cmdIndietro") << "cmdIndietro" << "Visualizza la scheda precedente in archivio.";
        QTest::newRow("cmdAvanti") << "cmdAvanti" << "Visualizza la scheda successiva in archivio.";
        QTest::newRow("cmdUltimo") << "cmdUltimo" << "Visualizza l'ultima scheda in archivio.";
        QTest::newRow("impData") << "impData" << "Importa la data dal calendario.";
        QTest::newRow("impContatto") << "impContatto" << "Importa i dati dall'archivio anagrafico dei clienti.";
        QTest::newRow("btnEmail") << "btnEmail" << "Invia una e-mail all'indirizzo indicato.";
        QTest::newRow("btnWhatsApp") << "btnWhatsApp" << "Invia conferma appuntamento al cliente tramite WhatsApp.";
        QTest::newRow("chkOttemperata")
            << "chkOttemperata" << "Spunta questa casella per indicare che l'impegno è stato assolto.";
    }
    void hints()
    {
        QFETCH(QString, command);
        QFETCH(QString, hint);
        QLabel* panInfo = on<QLabel>("panInfo");
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(on<QWidget>(command.toLatin1().constData()), &enter);
        QCOMPARE(panInfo->text(), hint);
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(on<QWidget>("shpAppuntamento"), &move);
        QCOMPARE(panInfo->text(), QString());
    }
};

QTEST_MAIN(AppointmentCardTest)
#include "AppointmentCardTest.moc"
