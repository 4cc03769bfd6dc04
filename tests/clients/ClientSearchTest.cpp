#include "ClientSearchTesting.h"
#include "GuiFixture.h"
#include "appointments/AppointmentTesting.h"
#include "reportengine/PdfText.h"

#include "appointments/TfrmArchivio_Scadenze.h"
#include "clients/ClientSearch.h"
#include "clients/TfrmClienti.h"
#include "clients/TfrmTrovaClienti.h"
#include "storage/TSchedaAppuntamento.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace StoredClient;

namespace {
const QString kArchive = QStringLiteral("Contatti.pro");
const QString kArchiveError =
    QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
                   "privilegi di scrittura nella cartella di installazione del programma.");

// The ten boxes, by their order on the form.
enum Box { Name, Town, Vat, FiscalCode, Document, Job, Products, Zone, Issues, Notes };

QByteArray rossiAnna()
{
    return record({{Cliente, "Rossi Anna"},
                   {DataNasc, "01/02/1980"},
                   {ComuneNasc, "Roma"},
                   {ProvNasc, "RM"},
                   {Sesso, "F"},
                   {Recapito, "06 1234567"},
                   {IndirizzoRes, "Via Appia 1"},
                   {ProvRes, "RM"},
                   {ComuneRes, "Roma"},
                   {CapRes, "00100"},
                   {Estremi, "Contanti"},
                   {TelCel, "333 1111111"},
                   {Email, "anna@example.it"},
                   {Occupazione, "Insegnante"},
                   {Prodotti, "Manicure"},
                   {Zona, "Centro \xC8"},
                   {Note, "Allergia al nichel"},
                   {Ricontatta, yes},
                   {File01, "contratto.pdf"},
                   {Desc01, "Contratto"}});
}

QByteArray bianchiCarla()
{
    return record({{Cliente, "bianchi carla"},
                   {Recapito, "081 7654321"},
                   {ComuneRes, "Napoli"},
                   {ProvRes, "NA"},
                   {Estremi, "Carta di credito"},
                   {TelCel, "347 2222222"},
                   {Email, "carla@example.it"},
                   {Occupazione, "Avvocato"},
                   {Note, "a   b"},
                   {Ricontatta, no}});
}

// Stored with an empty recontact flag.
QByteArray vovuzRossi()
{
    return record({{Cliente, "Vovuz Rossi"},
                   {Recapito, "02 5555555"},
                   {IndirizzoRes, "Corso Como 5"},
                   {ComuneRes, "Napoli"},
                   {ProvRes, "NA"},
                   {Estremi, "Bonifico"},
                   {TelCel, "320 3333333"},
                   {Email, "vovuz@example.it"},
                   {Occupazione, "Fotografo"},
                   {Prodotti, "Pedicure"},
                   {File02, "foto.jpg"},
                   {Desc02, "Foto"}});
}

QString lineOf(const QByteArray& stored)
{
    ListLines lines;
    ClientSearch::appendLine(lines, 1, stored.constData());
    return lines.line(0);
}

QStringList criteria(const QList<QPair<Box, QString>>& filled)
{
    QStringList typed(ClientSearch::BoxCount);
    for (const auto& [box, text] : filled)
        typed[box] = text;
    return typed;
}

QList<qint64> positionsOf(const ListLines& lines)
{
    QList<qint64> positions;
    for (qsizetype row = 0; row < lines.size(); ++row)
        positions.append(lines.position(row));
    return positions;
}

// The texts of every edit box, list edit and label of a screen, by name.
QMap<QString, QString> textsOf(QWidget* screen)
{
    QMap<QString, QString> texts;
    for (const QLineEdit* edit : screen->findChildren<QLineEdit*>())
        if (!edit->objectName().isEmpty())
            texts.insert(edit->objectName(), edit->text());
    for (const QComboBox* combo : screen->findChildren<QComboBox*>())
        texts.insert(combo->objectName(), combo->currentText());
    for (const QLabel* label : screen->findChildren<QLabel*>())
        if (label->objectName().startsWith(QLatin1String("lbl")))
            texts.insert(label->objectName(), label->text());
    return texts;
}
} // namespace

class ClientSearchTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void matching_data();
    void matching();
    void eachBoxSearchesItsOwnField_data();
    void eachBoxSearchesItsOwnField();
    void resultLine();
    void criteriaPanel();
    void searchFromTheClientCardLoadsTheWholeRecord();
    void searchFromTheAppointmentCardCopiesOnlyTheContacts();
    void doubleClickLoadsTheClickedRecordOfEqualLines();
    void otherCallerOrVanishedRecordWritesNothing();
    void searchFindingNothing();
    void unreadableArchiveKeepsTheCriteria();
    void resultsPrintedWithTheirTitle();

private:
    GuiFixture m_fixture;

    void writeArchive(const QList<QByteArray>& records) { m_fixture.writeFile(kArchive, archiveOf(records)); }

    // A search screen opened by the client card with caller, shown.
    std::unique_ptr<TfrmTrovaClienti> shown(const QString& caller = QStringLiteral("clienti"))
    {
        auto screen = std::make_unique<TfrmTrovaClienti>(frmClienti);
        screen->lblMemory->setText(caller);
        screen->show();
        if (!QTest::qWaitForWindowExposed(screen.get()))
            qWarning("search screen not exposed");
        return screen;
    }

    static void search(TfrmTrovaClienti* screen, const QList<QPair<Box, QString>>& filled)
    {
        const QList<QLineEdit*> boxes{screen->txtCliente,  screen->txtComuneRes, screen->txtPartitaIva,
                                      screen->txtCodFisc,  screen->txtDocumento, screen->txtOccupazione,
                                      screen->txtProdotti, screen->txtZona,      screen->txtQuestioni,
                                      screen->txtNote};
        for (const auto& [box, text] : filled)
            QTest::keyClicks(boxes.at(box), text);
        QTest::mouseClick(screen->btnCerca, Qt::LeftButton);
    }
};

void ClientSearchTest::init()
{
    m_fixture.setUp();
}

void ClientSearchTest::cleanup()
{
    m_fixture.tearDown();
}

void ClientSearchTest::matching_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<int>("filled");
    QTest::addColumn<QList<qint64>>("listed");

    QTest::newRow("nothing typed lists everyone") << criteria({}) << 0 << QList<qint64>{1, 2, 3};
    QTest::newRow("a piece of the name") << criteria({{Name, "ross"}}) << 1 << QList<qint64>{1, 3};
    QTest::newRow("A-Z folded") << criteria({{Name, "ROSS"}}) << 1 << QList<qint64>{1, 3};
    QTest::newRow("two criteria combine with AND")
        << criteria({{Name, "ross"}, {Town, "Napoli"}}) << 2 << QList<qint64>{3};
    QTest::newRow("name matches, town does not")
        << criteria({{Name, "anna"}, {Town, "Napoli"}}) << 2 << QList<qint64>{};
    QTest::newRow("leading space kept") << criteria({{Name, " rossi"}}) << 1 << QList<qint64>{3};
    QTest::newRow("trailing space kept") << criteria({{Name, "anna "}}) << 1 << QList<qint64>{};
    QTest::newRow("blank-only box alone is not a criterion")
        << criteria({{Notes, "   "}}) << 0 << QList<qint64>{1, 2, 3};
    // A box of blanks cannot stand in for a filled box that does not match,
    // even where the field holds that run of blanks (bianchi carla's notes).
    QTest::newRow("blank-only box never matches")
        << criteria({{Name, "nessuno"}, {Notes, "   "}}) << 1 << QList<qint64>{};
    QTest::newRow("blank-only box beside a match")
        << criteria({{Name, "carla"}, {Notes, "   "}, {Town, " "}}) << 1 << QList<qint64>{2};
    QTest::newRow("accented capitals not folded") << criteria({{Zone, "\u00E8"}}) << 1 << QList<qint64>{};
    QTest::newRow("accented capital as stored") << criteria({{Zone, "\u00C8"}}) << 1 << QList<qint64>{1};
}

void ClientSearchTest::matching()
{
    QFETCH(QStringList, typed);
    QFETCH(int, filled);
    QFETCH(QList<qint64>, listed);
    writeArchive({rossiAnna(), bianchiCarla(), vovuzRossi()});

    const SearchCriteria search(typed);
    QCOMPARE(search.filledCount(), filled);
    const LoadedLines found = ClientSearch::run(search);
    QVERIFY(found.error.isEmpty());
    QCOMPARE(positionsOf(found.lines), listed);
}

void ClientSearchTest::eachBoxSearchesItsOwnField_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("offset");
    const QList<QPair<const char*, Offset>> boxes{{"txtCliente", Cliente},       {"txtComuneRes", ComuneRes},
                                                  {"txtPartitaIva", PartitaIva}, {"txtCodFisc", CodFisc},
                                                  {"txtDocumento", Documento},   {"txtOccupazione", Occupazione},
                                                  {"txtProdotti", Prodotti},     {"txtZona", Zona},
                                                  {"txtQuestioni", Questioni},   {"txtNote", Note}};
    for (int box = 0; box < boxes.size(); ++box)
        QTest::newRow(boxes.at(box).first) << box << int(boxes.at(box).second);
}

void ClientSearchTest::eachBoxSearchesItsOwnField()
{
    QFETCH(int, box);
    QFETCH(int, offset);
    // The first client holds the token in the box's field only, the second one
    // in every other field of the record.
    QList<QPair<Offset, QByteArray>> elsewhere;
    for (Offset other :
         {Cliente,     DataNasc, ComuneNasc, Recapito, IndirizzoRes, ComuneRes,  Estremi,    TelCasa, TelUff,
          TelCel,      Fax,      Email,      CodFisc,  Carta,        ScadeCarta, PartitaIva, Iban,    Documento,
          Occupazione, Civile,   Titoli,     Prodotti, Zona,         Questioni,  Note,       File01,  Desc01})
        if (other != offset)
            elsewhere.append({other, "xq7"});
    writeArchive({record({{Offset(offset), "xq7"}}), record(elsewhere)});

    QStringList typed(ClientSearch::BoxCount);
    typed[box] = QStringLiteral("XQ7");
    const LoadedLines found = ClientSearch::run(SearchCriteria(typed));
    QCOMPARE(positionsOf(found.lines), QList<qint64>{1});
}

void ClientSearchTest::resultLine()
{
    const QString padded = QStringLiteral("Rossi Anna                ") + QStringLiteral("  Tel. ") +
                           QStringLiteral("06 1234567     ") + QStringLiteral("  ") +
                           QStringLiteral("Insegnante               ") + QStringLiteral("  Prod. ") +
                           QStringLiteral("Manicure                      ") + QStringLiteral("  ");
    QCOMPARE(lineOf(rossiAnna()), padded + QStringLiteral("Allergia al nichel"));

    // Stored blanks are trimmed before padding; a long name is cut to 26 and
    // the notes, last, are neither padded nor cut.
    const QString longNotes = QString(240, QLatin1Char('n'));
    const QByteArray stored = record({{Cliente, "  Dell'Acqua Bianchi Mariangela"},
                                      {Recapito, "3331234567 "},
                                      {Occupazione, "Estetista professionista diplomata"},
                                      {Note, "  " + longNotes.toLatin1() + "  "}});
    QCOMPARE(lineOf(stored), QStringLiteral("Dell'Acqua Bianchi Mariang") + QStringLiteral("  Tel. ") +
                                 QStringLiteral("3331234567     ") + QStringLiteral("  ") +
                                 QStringLiteral("Estetista professionista ") + QStringLiteral("  Prod. ") +
                                 QString(30, QLatin1Char(' ')) + QStringLiteral("  ") + longNotes);
}

void ClientSearchTest::criteriaPanel()
{
    auto screen = shown();
    QCOMPARE(screen->objectName(), QStringLiteral("frmTrovaClienti"));
    QCOMPARE(screen->windowTitle(), QStringLiteral(" Trova clienti in archivio"));
    QVERIFY(screen->panAvvio->isVisible());
    QVERIFY(!screen->panContainer->isVisible());
    QVERIFY(!screen->lblAttendere->isVisible());
    QCOMPARE(screen->lblConta->text(), QStringLiteral("0"));
    QCOMPARE(screen->txtQuestioni->geometry(), QRect(144, 381, 664, 22));
    QCOMPARE(control<QWidget>(screen.get(), "effZona")->geometry(), QRect(484, 315, 328, 30));

    // Return walks the ten boxes in order and comes back to the first; each
    // box shows its frame while it has the focus.
    const QStringList order{"txtCliente",     "txtComuneRes", "txtPartitaIva", "txtCodFisc",   "txtDocumento",
                            "txtOccupazione", "txtProdotti",  "txtZona",       "txtQuestioni", "txtNote"};
    QTRY_COMPARE(QApplication::focusWidget(), screen->txtCliente);
    for (int i = 0; i < order.size(); ++i) {
        QWidget* box = QApplication::focusWidget();
        QCOMPARE(box->objectName(), order.at(i));
        QWidget* frame = screen->findChild<QWidget*>(QLatin1String("eff") + order.at(i).mid(3));
        QVERIFY(frame && frame->isVisible());
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(!frame->isVisible());
    }
    QCOMPARE(QApplication::focusWidget(), screen->txtCliente);

    QTest::mouseClick(screen->btnAnnulla, Qt::LeftButton);
    QVERIFY(!screen->isVisible());

    // Left while a box has the focus, then destroyed by the card: the box's
    // frame goes first.
    ModalWatch watch([](QDialog* dialog) { dialog->reject(); });
    frmClienti->cmdTrova->click();
    QVERIFY(watch.seen());
}

void ClientSearchTest::searchFromTheClientCardLoadsTheWholeRecord()
{
    writeArchive({rossiAnna(), bianchiCarla(), vovuzRossi()});
    frmClienti->chkRicontatta->setChecked(true);

    ModalWatch watch([](QDialog* dialog) {
        auto* screen = qobject_cast<TfrmTrovaClienti*>(dialog);
        QVERIFY(screen);
        QCOMPARE(screen->lblMemory->text(), QStringLiteral("clienti"));
        search(screen, {{Name, "ross"}});
        QCOMPARE(screen->lblConta->text(), QStringLiteral("1"));
        QVERIFY(screen->panContainer->isVisible());
        QVERIFY(!screen->panAvvio->isVisible());
        QCOMPARE(screen->panContainer->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 2 schede."));
        QTRY_COMPARE(QApplication::focusWidget(), screen->panContainer->txtTrova);
        ListBox* list = screen->panContainer->lstRecords;
        QCOMPARE(linesOf(list), (QStringList{lineOf(rossiAnna()), lineOf(vovuzRossi())}));
        doubleClickLine(list, 1);
        QTRY_VERIFY(!screen->isVisible());
    });
    frmClienti->cmdTrova->click();
    QVERIFY(watch.seen());

    QCOMPARE(frmClienti->lblPosizione->text(), QStringLiteral("3"));
    QCOMPARE(frmClienti->txtCliente->text(), QStringLiteral("Vovuz Rossi"));
    QCOMPARE(frmClienti->txtIndirizzoRes->text(), QStringLiteral("Corso Como 5"));
    QCOMPARE(frmClienti->txtComuneRes->text(), QStringLiteral("Napoli"));
    QCOMPARE(frmClienti->txtProvRes->currentText(), QStringLiteral("NA"));
    QCOMPARE(frmClienti->txtEstremi->text(), QStringLiteral("Bonifico"));
    QCOMPARE(frmClienti->lblFile02->text(), QStringLiteral("foto.jpg"));
    QCOMPARE(frmClienti->lblDesc02->text(), QStringLiteral("Foto"));
    // An empty flag leaves the box as it was.
    QVERIFY(frmClienti->chkRicontatta->isChecked());
}

void ClientSearchTest::searchFromTheAppointmentCardCopiesOnlyTheContacts()
{
    writeArchive({rossiAnna(), bianchiCarla(), vovuzRossi()});
    TSchedaAppuntamento appointment;
    appointment.Data = QStringLiteral("12/05/2024");
    appointment.OreApp = QStringLiteral("15");
    appointment.MinutiApp = QStringLiteral("30");
    appointment.Ora = QStringLiteral("15:30");
    appointment.Avviso = QStringLiteral("2");
    appointment.Causale = QStringLiteral("Pulizia viso");
    appointment.Contatto = QStringLiteral("Cliente da cambiare");
    appointment.Tel = QStringLiteral("000");
    appointment.Importo = QStringLiteral("25,00");
    appointment.Note = QStringLiteral("Portare la crema");
    appointment.Ottemperata = QStringLiteral("No");
    frmArchivio_Scadenze->loadRecord(appointment, 7);
    QMap<QString, QString> expected = textsOf(frmArchivio_Scadenze);

    ModalWatch watch([](QDialog* dialog) {
        auto* screen = qobject_cast<TfrmTrovaClienti*>(dialog);
        QVERIFY(screen);
        QCOMPARE(screen->lblMemory->text(), QStringLiteral("scadenze"));
        search(screen, {{Town, "napoli"}});
        ListBox* list = screen->panContainer->lstRecords;
        QCOMPARE(linesOf(list), (QStringList{lineOf(bianchiCarla()), lineOf(vovuzRossi())}));
        doubleClickLine(list, 0);
        QTRY_VERIFY(!screen->isVisible());
    });
    frmArchivio_Scadenze->impContatto->click();
    QVERIFY(watch.seen());

    expected[QStringLiteral("txtContatto")] = QStringLiteral("bianchi carla");
    expected[QStringLiteral("txtTel")] = QStringLiteral("081 7654321");
    expected[QStringLiteral("txtCel")] = QStringLiteral("347 2222222");
    expected[QStringLiteral("txtEmail")] = QStringLiteral("carla@example.it");
    expected[QStringLiteral("txtLuogo")] = QStringLiteral("Carta di credito");
    QCOMPARE(textsOf(frmArchivio_Scadenze), expected);
    QCOMPARE(frmArchivio_Scadenze->txtData->text(), QStringLiteral("12/05/2024"));
    QCOMPARE(frmArchivio_Scadenze->lblPosizione->text(), QStringLiteral("7"));
    // Nothing of the client's card is touched.
    QCOMPARE(frmClienti->lblPosizione->text(), QString());
    QCOMPARE(frmClienti->txtCliente->text(), QString());
}

void ClientSearchTest::doubleClickLoadsTheClickedRecordOfEqualLines()
{
    // Two clients with the same line but different addresses: each line brings
    // up its own record.
    const QByteArray first = record({{Cliente, "Verdi Rosa"}, {Recapito, "06 1"}, {IndirizzoRes, "Via Uno"}});
    const QByteArray second = record({{Cliente, "Verdi Rosa"}, {Recapito, "06 1"}, {IndirizzoRes, "Via Due"}});
    writeArchive({first, rossiAnna(), second});
    QCOMPARE(lineOf(first), lineOf(second));

    for (const auto& [row, address, position] : {std::tuple{0, "Via Uno", "1"}, std::tuple{1, "Via Due", "3"}}) {
        auto screen = shown();
        search(screen.get(), {{Name, "verdi"}});
        ListBox* list = screen->panContainer->lstRecords;
        QCOMPARE(list->count(), 2);
        doubleClickLine(list, row);
        QTRY_VERIFY(!screen->isVisible());
        QCOMPARE(frmClienti->txtIndirizzoRes->text(), QString::fromLatin1(address));
        QCOMPARE(frmClienti->lblPosizione->text(), QString::fromLatin1(position));
    }
}

void ClientSearchTest::otherCallerOrVanishedRecordWritesNothing()
{
    writeArchive({rossiAnna(), bianchiCarla()});
    {
        auto screen = shown(QStringLiteral("data"));
        search(screen.get(), {});
        doubleClickLine(screen->panContainer->lstRecords, 0);
        QTRY_VERIFY(!screen->isVisible());
        QCOMPARE(frmClienti->txtCliente->text(), QString());
    }
    {
        // The archive shrinks while the results are shown: the screen closes
        // without a word and the card stays as it was.
        auto screen = shown();
        search(screen.get(), {});
        ListBox* list = screen->panContainer->lstRecords;
        QCOMPARE(list->line(0), lineOf(bianchiCarla()));
        writeArchive({rossiAnna()});
        doubleClickLine(list, 0);
        QTRY_VERIFY(!screen->isVisible());
        QCOMPARE(frmClienti->txtCliente->text(), QString());
        QCOMPARE(frmClienti->lblPosizione->text(), QString());
    }
    QVERIFY(Messages::shown().isEmpty());
}

void ClientSearchTest::searchFindingNothing()
{
    auto screen = shown();
    search(screen.get(), {{Name, "nessuno"}});
    QVERIFY(screen->panContainer->isVisible());
    QCOMPARE(screen->panContainer->lstRecords->count(), 0);
    QCOMPARE(screen->panContainer->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 0 schede."));
    QTest::mouseClick(screen->panContainer->btnTrova, Qt::LeftButton);
    QCOMPARE(Messages::shownTexts(),
             QStringList{QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.")});
    QCOMPARE(Messages::shown().first().kind, Messages::Kind::Plain);
    // The search created the missing archive, empty.
    QVERIFY(QFile::exists(m_fixture.path(kArchive)));
    QCOMPARE(QFileInfo(m_fixture.path(kArchive)).size(), 0);
}

void ClientSearchTest::unreadableArchiveKeepsTheCriteria()
{
    QVERIFY(QDir(m_fixture.path(QString())).mkdir(kArchive));
    auto screen = shown();
    search(screen.get(), {{Name, "ross"}});
    QCOMPARE(Messages::shownTexts(), QStringList{kArchiveError});
    QCOMPARE(Messages::shown().first().kind, Messages::Kind::Plain);
    QVERIFY(screen->panAvvio->isVisible());
    QVERIFY(!screen->panContainer->isVisible());
    QVERIFY(screen->lblAttendere->isVisible());
    QCOMPARE(screen->txtCliente->text(), QStringLiteral("ross"));
    QCOMPARE(screen->lblConta->text(), QStringLiteral("1"));
    QTest::mouseClick(screen->btnAnnulla, Qt::LeftButton);
    QVERIFY(!screen->isVisible());
    QVERIFY(!screen->lblAttendere->isVisibleTo(screen->panAvvio));
}

void ClientSearchTest::resultsPrintedWithTheirTitle()
{
    Clock::setForTests(QDateTime(QDate(2024, 5, 10), QTime(9, 30)));
    writeArchive({rossiAnna(), bianchiCarla(), vovuzRossi()});
    auto screen = shown();
    search(screen.get(), {});
    const QString pdf = m_fixture.path(QStringLiteral("ricerca.pdf"));
    PrintDialog::setNextPdf(pdf);
    QTest::mouseClick(screen->panContainer->btnStampa, Qt::LeftButton);
    const QStringList pages = pdfPages(pdf);
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages.first().split(QLatin1Char('\n')),
             (QStringList{QStringLiteral("Riepilogo clienti in archivio"), simplified(lineOf(bianchiCarla())),
                          simplified(lineOf(rossiAnna())), simplified(lineOf(vovuzRossi())),
                          QStringLiteral("Stampa eseguita in data 10/05/2024")}));
}

QTEST_MAIN(ClientSearchTest)
#include "ClientSearchTest.moc"
