#include "GuiFixture.h"

#include "app/TfrmAvvio.h"
#include "clients/TfrmClienti.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace {
const QString kArchive = QStringLiteral("Contatti.pro");
constexpr int kRecordSize = 3372;

const QString kEmptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kArchiveFailure =
    QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
                   "privilegi di scrittura nella cartella di installazione del programma.");
const QString kNameRequired =
    QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare il nome del cliente.");
const QString kMobileRequired =
    QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare il numero di cellulare del cliente.");
const QString kAppended = QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.");
const QString kRewritten =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kDuplicateRefused = QStringLiteral("Attenzione: la duplicazione di una scheda pu\u00F2 avvenire soltanto "
                                                 "dopo che questa \u00E8 stata inserita in archivio.");
const QString kDuplicated =
    QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\rAl termine premere "
                   "Salva per inserire la scheda in archivio.");
const QString kTreatmentsRefused = QStringLiteral("Attenzione: lo storico dei trattamenti pu\u00F2 essere visualizzato "
                                                  "soltanto dopo aver salvato la scheda del cliente.");
const QString kTreatmentsNeedName = QStringLiteral(
    "Attenzione: per visualizzare lo storico dei trattamenti \u00E8 necessario indicare il nome del cliente.");

// Offsets of the client record's counted text fields.
enum Offset {
    Cliente = 0,
    ComuneNasc = 82,
    ProvNasc = 133,
    IndirizzoRes = 189,
    TelCel = 613,
    Note = 1612,
    Ricontatta = 1863,
    File01 = 1866,
    File02 = 2117,
    Desc01 = 2619,
    Desc03 = 3121,
};

// A client record built by hand: at each offset a length byte and the
// Windows-1252 bytes; everything else zero.
QByteArray clientRecord(const QList<QPair<int, QByteArray>>& fields)
{
    QByteArray record(kRecordSize, '\0');
    for (const auto& [offset, bytes] : fields) {
        record[offset] = char(bytes.size());
        record.replace(offset + 1, bytes.size(), bytes);
    }
    return record;
}

QByteArray yes()
{
    return QByteArray("S\xEC");
}

// Five clients; the flags differ on purpose: Sì, empty, No, Sì, Sì.
QByteArray fiveClients()
{
    QByteArray file;
    file += clientRecord({{Cliente, "Bianchi Anna"},
                          {ComuneNasc, "  Roma  "},
                          {ProvNasc, "RM"},
                          {TelCel, "3331111111"},
                          {Ricontatta, yes()},
                          {File02, "analisi.pdf"},
                          {Desc01, "Consenso"}});
    file += clientRecord({{Cliente, "Verdi Carla"}, {TelCel, "3332222222"}});
    file += clientRecord({{Cliente, "Neri Luca"},
                          {IndirizzoRes, "Via Po 3"},
                          {TelCel, "3333333333"},
                          {Ricontatta, "No"},
                          {File01, "foto.jpg"},
                          {Desc03, "Viso"}});
    file += clientRecord({{Cliente, "Gialli Sara"}, {TelCel, "3334444444"}, {Ricontatta, yes()}});
    file += clientRecord({{Cliente, "Rosa Elena"}, {TelCel, "3335555555"}, {Ricontatta, yes()}});
    return file;
}

struct Modal
{
    bool opened = false;
    QString className;
    QString memory;
    QString field;
};

// The mouse arriving over widget and moving on it, delivered as the window
// system would (the test screen may be smaller than the card).
void hover(QWidget* widget)
{
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(widget, &enter);
    const QPointF at = widget->rect().center();
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

QString memoryOf(QWidget* screen)
{
    auto* memory = screen->findChild<QLabel*>(QStringLiteral("lblMemory"));
    return memory ? memory->text() : QStringLiteral("<none>");
}
} // namespace

class ClientCardTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_fixture.setUp();
        frmAvvio->hide();
        frmClienti->Show();
        QVERIFY(QTest::qWaitForWindowActive(frmClienti));
    }
    void cleanup() { m_fixture.tearDown(); }

    void saveWritesTheRecordBytes();
    void threeClientsMakeOneFile();
    void requiredFields_data();
    void requiredFields();

    void navigation_data();
    void navigation();
    void loadingSetsEveryControl();
    void emptyArchive_data();
    void emptyArchive();
    void archiveFailure_data();
    void archiveFailure();

    void duplicate();
    void treatmentsButton();
    void fiscalCodeButton_data();
    void fiscalCodeButton();
    void checkButtons_data();
    void checkButtons();
    void screensOpened_data();
    void screensOpened();
    void emailButton();
    void attachmentsHandedToTheDialog();

    void showingStartsANewCard();
    void exitShowsTheLauncher();
    void hints();

private:
    // Clicks the command and reports the modal window it opened, which is then closed.
    Modal clickOpening(QToolButton* command, const char* field = nullptr)
    {
        Modal modal;
        // A timer of this click only: it must not catch a window a later click opens.
        QTimer inside;
        inside.setSingleShot(true);
        connect(&inside, &QTimer::timeout, frmClienti, [&modal, field] {
            auto* screen = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!screen)
                return;
            modal.opened = true;
            modal.className = QString::fromLatin1(screen->metaObject()->className());
            modal.memory = memoryOf(screen);
            if (field)
                modal.field = control<QLineEdit>(screen, field)->text();
            // Owned by the card while open.
            if (screen->parent() != frmClienti)
                modal.className += QStringLiteral(" (not owned by the card)");
            screen->reject();
        });
        inside.start(0);
        QTest::mouseClick(command, Qt::LeftButton);
        return modal;
    }

    void clickNamed(const char* command)
    {
        QTest::mouseClick(control<QToolButton>(frmClienti, command), Qt::LeftButton);
    }

    GuiFixture m_fixture;
};

void ClientCardTest::saveWritesTheRecordBytes()
{
    QTest::keyClicks(frmClienti->txtCliente, "  Rossi Maria  ");
    QTest::keyClicks(frmClienti->txtProvNasc, "rm");
    QTest::keyClicks(frmClienti->txtTelCel, "3331234567");
    frmClienti->txtNote->setText(QStringLiteral("Allergica al nichel \u2013 caff\u00E8"));
    frmClienti->chkRicontatta->setChecked(true);
    // Written by the attached-files dialog, stored with the card.
    frmClienti->lblDesc03->setText(QStringLiteral("Referto"));
    QTest::mouseClick(frmClienti->cmdSalva, Qt::LeftButton);

    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(Messages::shown().first().kind, Messages::Kind::Information);
    QCOMPARE(Messages::shown().first().text, kAppended);
    QCOMPARE(frmClienti->lblPosizione->text(), QString("1"));
    const QByteArray expected = clientRecord({{Cliente, "Rossi Maria"},
                                              {ProvNasc, "RM"},
                                              {TelCel, "3331234567"},
                                              {Note, "Allergica al nichel \x96 caff\xE8"},
                                              {Ricontatta, yes()},
                                              {Desc03, "Referto"}});
    QCOMPARE(m_fixture.readFile(kArchive), expected);
    QCOMPARE(m_fixture.readFile(kArchive).mid(1863, 3), QByteArray("\x02\x53\xEC"));
    QCOMPARE(m_fixture.readFile(kArchive).mid(3121, 8), QByteArray("\x07Referto"));

    // A stored card is rewritten in place.
    frmClienti->chkRicontatta->setChecked(false);
    Messages::resetForTests();
    QTest::mouseClick(frmClienti->cmdSalva, Qt::LeftButton);
    QCOMPARE(Messages::shownTexts(), QStringList{kRewritten});
    QCOMPARE(frmClienti->lblPosizione->text(), QString("1"));
    const QByteArray file = m_fixture.readFile(kArchive);
    QCOMPARE(file.size(), kRecordSize);
    QCOMPARE(file.mid(1863, 3), QByteArray("\x02No"));
    QCOMPARE(file.left(12), QByteArray("\x0BRossi Maria"));
}

void ClientCardTest::threeClientsMakeOneFile()
{
    m_fixture.writeFile(kArchive, QByteArray());
    for (const char* name : {"Uno", "Due", "Tre"}) {
        QTest::mouseClick(frmClienti->cmdNuovo, Qt::LeftButton);
        QTest::keyClicks(frmClienti->txtCliente, name);
        QTest::keyClicks(frmClienti->txtTelCel, "333");
        QTest::mouseClick(frmClienti->cmdSalva, Qt::LeftButton);
    }
    QCOMPARE(Messages::shownTexts(), QStringList({kAppended, kAppended, kAppended}));
    QCOMPARE(frmClienti->lblPosizione->text(), QString("3"));
    const QByteArray file = m_fixture.readFile(kArchive);
    QCOMPARE(file.size(), 10116);
    QCOMPARE(file.mid(6744, 4), QByteArray("\x03Tre"));
    QCOMPARE(file.mid(6744 + TelCel, 4), QByteArray("\x03"
                                                    "333"));
    QCOMPARE(file.mid(6744 + Ricontatta, 3), QByteArray("\x02No"));
}

void ClientCardTest::requiredFields_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("mobile");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("nothing: the name first") << ""
                                             << "" << kNameRequired << "txtCliente";
    QTest::newRow("mobile but no name") << ""
                                        << "333" << kNameRequired << "txtCliente";
    QTest::newRow("blank name") << " \t "
                                << "333" << kNameRequired << "txtCliente";
    QTest::newRow("name but no mobile") << "Rossi"
                                        << "" << kMobileRequired << "txtTelCel";
}

void ClientCardTest::requiredFields()
{
    QFETCH(QString, name);
    QFETCH(QString, mobile);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    frmClienti->txtCliente->setText(name);
    frmClienti->txtTelCel->setText(mobile);
    frmClienti->txtNote->setFocus();
    QTest::mouseClick(frmClienti->cmdSalva, Qt::LeftButton);
    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(Messages::shown().first().kind, Messages::Kind::Warning);
    QCOMPARE(Messages::shown().first().text, message);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QVERIFY(!QFile::exists(m_fixture.path(kArchive)));
    QCOMPARE(frmClienti->lblPosizione->text(), QString());
}

void ClientCardTest::navigation_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("name");
    QTest::newRow("next from a new card") << ""
                                          << "cmdAvanti"
                                          << "1"
                                          << "Bianchi Anna";
    QTest::newRow("previous from a new card") << ""
                                              << "cmdIndietro"
                                              << "1"
                                              << "Bianchi Anna";
    QTest::newRow("last from a new card") << ""
                                          << "cmdUltimo"
                                          << "5"
                                          << "Rosa Elena";
    QTest::newRow("first from 4") << "4"
                                  << "cmdPrimo"
                                  << "1"
                                  << "Bianchi Anna";
    QTest::newRow("next from 2") << "2"
                                 << "cmdAvanti"
                                 << "3"
                                 << "Neri Luca";
    QTest::newRow("previous from 3") << "3"
                                     << "cmdIndietro"
                                     << "2"
                                     << "Verdi Carla";
    QTest::newRow("previous from 2") << "2"
                                     << "cmdIndietro"
                                     << "1"
                                     << "Bianchi Anna";
    QTest::newRow("previous on the first does nothing") << "1"
                                                        << "cmdIndietro"
                                                        << "1"
                                                        << "(on screen)";
    QTest::newRow("next on the last does nothing") << "5"
                                                   << "cmdAvanti"
                                                   << "5"
                                                   << "(on screen)";
}

void ClientCardTest::navigation()
{
    QFETCH(QString, from);
    QFETCH(QString, command);
    QFETCH(QString, position);
    QFETCH(QString, name);
    m_fixture.writeFile(kArchive, fiveClients());
    frmClienti->txtCliente->setText(QStringLiteral("(on screen)"));
    frmClienti->lblPosizione->setText(from);
    clickNamed(qPrintable(command));
    QCOMPARE(Messages::shownTexts(), QStringList());
    QCOMPARE(frmClienti->lblPosizione->text(), position);
    QCOMPARE(frmClienti->txtCliente->text(), name);
    QCOMPARE(m_fixture.readFile(kArchive), fiveClients());
}

void ClientCardTest::loadingSetsEveryControl()
{
    m_fixture.writeFile(kArchive, fiveClients());
    frmClienti->chkRicontatta->setChecked(false);
    QTest::mouseClick(frmClienti->cmdPrimo, Qt::LeftButton);
    QCOMPARE(frmClienti->txtComuneNasc->text(), QString("Roma"));
    QCOMPARE(frmClienti->txtProvNasc->currentText(), QString("RM"));
    QCOMPARE(frmClienti->txtTelCel->text(), QString("3331111111"));
    QVERIFY(frmClienti->chkRicontatta->isChecked());
    QCOMPARE(frmClienti->lblFile01->text(), QString());
    QCOMPARE(frmClienti->lblFile02->text(), QString("analisi.pdf"));
    QCOMPARE(frmClienti->lblDesc01->text(), QString("Consenso"));
    QVERIFY(!frmClienti->lblFile02->isVisible());

    // An empty flag leaves the check box as it was; "No" clears it.
    QTest::mouseClick(frmClienti->cmdAvanti, Qt::LeftButton);
    QCOMPARE(frmClienti->txtCliente->text(), QString("Verdi Carla"));
    QCOMPARE(frmClienti->txtComuneNasc->text(), QString());
    QCOMPARE(frmClienti->lblFile02->text(), QString());
    QVERIFY(frmClienti->chkRicontatta->isChecked());
    QTest::mouseClick(frmClienti->cmdAvanti, Qt::LeftButton);
    QVERIFY(!frmClienti->chkRicontatta->isChecked());
    QCOMPARE(frmClienti->txtIndirizzoRes->text(), QString("Via Po 3"));
    QCOMPARE(frmClienti->lblFile01->text(), QString("foto.jpg"));
    QCOMPARE(frmClienti->lblDesc03->text(), QString("Viso"));
    QCOMPARE(frmClienti->lblPosizione->text(), QString("3"));
}

void ClientCardTest::emptyArchive_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("position");
    QTest::newRow("first") << "cmdPrimo"
                           << "7";
    QTest::newRow("previous") << "cmdIndietro"
                              << "7";
    QTest::newRow("last") << "cmdUltimo"
                          << "7";
    QTest::newRow("next empties the position") << "cmdAvanti"
                                               << "";
}

void ClientCardTest::emptyArchive()
{
    QFETCH(QString, command);
    QFETCH(QString, position);
    frmClienti->lblPosizione->setText(QStringLiteral("7"));
    clickNamed(qPrintable(command));
    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(Messages::shown().first().kind, Messages::Kind::Information);
    QCOMPARE(Messages::shown().first().text, kEmptyArchive);
    QCOMPARE(frmClienti->lblPosizione->text(), position);
    // The missing archive is created empty.
    QVERIFY(QFile::exists(m_fixture.path(kArchive)));
    QCOMPARE(QFileInfo(m_fixture.path(kArchive)).size(), 0);
}

void ClientCardTest::archiveFailure_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("positionAfter");
    QTest::newRow("save a new card") << "cmdSalva"
                                     << ""
                                     << "";
    QTest::newRow("save a stored card") << "cmdSalva"
                                        << "2"
                                        << "2";
    QTest::newRow("first") << "cmdPrimo"
                           << ""
                           << "";
    QTest::newRow("next") << "cmdAvanti"
                          << "2"
                          << "2";
    QTest::newRow("duplicate: the copy stays prepared") << "cmdDuplica"
                                                        << "2"
                                                        << "";
}

void ClientCardTest::archiveFailure()
{
    QFETCH(QString, command);
    QFETCH(QString, position);
    QFETCH(QString, positionAfter);
    // A folder where the archive should be: it exists but cannot be opened as a file.
    QVERIFY(QDir(m_fixture.path(QString())).mkdir(kArchive));
    frmClienti->txtCliente->setText(QStringLiteral("Rossi"));
    frmClienti->txtTelCel->setText(QStringLiteral("333"));
    frmClienti->lblFile01->setText(QStringLiteral("foto.jpg"));
    frmClienti->lblPosizione->setText(position);
    clickNamed(qPrintable(command));
    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(Messages::shown().first().kind, Messages::Kind::Error);
    QCOMPARE(Messages::shown().first().text, kArchiveFailure);
    QCOMPARE(frmClienti->lblPosizione->text(), positionAfter);
    QCOMPARE(frmClienti->txtCliente->text(), QString("Rossi"));
    QVERIFY(QFileInfo(m_fixture.path(kArchive)).isDir());
}

void ClientCardTest::duplicate()
{
    QTest::mouseClick(frmClienti->cmdDuplica, Qt::LeftButton);
    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(Messages::shown().first().kind, Messages::Kind::Warning);
    QCOMPARE(Messages::shown().first().text, kDuplicateRefused);
    Messages::resetForTests();

    m_fixture.writeFile(kArchive, fiveClients());
    frmClienti->lblPosizione->setText(QStringLiteral("2"));
    QTest::mouseClick(frmClienti->cmdAvanti, Qt::LeftButton);
    QCOMPARE(frmClienti->lblPosizione->text(), QString("3"));
    frmClienti->txtNote->setFocus();
    QTest::mouseClick(frmClienti->cmdDuplica, Qt::LeftButton);
    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(Messages::shown().first().kind, Messages::Kind::Information);
    QCOMPARE(Messages::shown().first().text, kDuplicated);
    QCOMPARE(frmClienti->lblPosizione->text(), QString());
    QCOMPARE(frmClienti->txtCliente->text(), QString("Neri Luca"));
    QCOMPARE(frmClienti->txtIndirizzoRes->text(), QString("Via Po 3"));
    QCOMPARE(frmClienti->lblFile01->text(), QString());
    QCOMPARE(frmClienti->lblDesc03->text(), QString());
    QVERIFY(frmClienti->txtCliente->hasFocus());
    QCOMPARE(m_fixture.readFile(kArchive), fiveClients());

    // Saving appends the copy, without the attachments.
    Messages::resetForTests();
    QTest::mouseClick(frmClienti->cmdSalva, Qt::LeftButton);
    QCOMPARE(Messages::shownTexts(), QStringList{kAppended});
    QCOMPARE(frmClienti->lblPosizione->text(), QString("6"));
    const QByteArray file = m_fixture.readFile(kArchive);
    QCOMPARE(file.left(5 * kRecordSize), fiveClients());
    QCOMPARE(
        file.mid(5 * kRecordSize),
        clientRecord({{Cliente, "Neri Luca"}, {IndirizzoRes, "Via Po 3"}, {TelCel, "3333333333"}, {Ricontatta, "No"}}));
}

void ClientCardTest::treatmentsButton()
{
    const Modal refused = clickOpening(frmClienti->btnProve);
    QVERIFY(!refused.opened);
    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(Messages::shown().first().kind, Messages::Kind::Warning);
    QCOMPARE(Messages::shown().first().text, kTreatmentsRefused);
    Messages::resetForTests();

    m_fixture.writeFile(kArchive, fiveClients());
    QTest::mouseClick(frmClienti->cmdPrimo, Qt::LeftButton);
    frmClienti->txtCliente->setText(QStringLiteral("  "));
    frmClienti->txtNote->setFocus();
    const Modal noName = clickOpening(frmClienti->btnProve);
    QVERIFY(!noName.opened);
    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(Messages::shown().first().kind, Messages::Kind::Warning);
    QCOMPARE(Messages::shown().first().text, kTreatmentsNeedName);
    QVERIFY(frmClienti->txtCliente->hasFocus());
    Messages::resetForTests();

    frmClienti->txtCliente->setText(QStringLiteral("Bianchi Anna"));
    const Modal opened = clickOpening(frmClienti->btnProve);
    QVERIFY(opened.opened);
    QCOMPARE(opened.className, QString("TfrmAllegaExcel"));
    QCOMPARE(Messages::shownTexts(), QStringList());
}

void ClientCardTest::fiscalCodeButton_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("passed");
    QTest::newRow("eleven digits: a company") << "01234567890"
                                              << "TfrmPartitaIva"
                                              << "txtPartitaIva"
                                              << "01234567890";
    QTest::newRow("digits with blanks around") << "  12345 "
                                               << "TfrmPartitaIva"
                                               << "txtPartitaIva"
                                               << "12345";
    QTest::newRow("personal code") << "RSSMRA80A01H501U"
                                   << "TfrmCodFisc"
                                   << "txtCodFisc"
                                   << "RSSMRA80A01H501U";
    QTest::newRow("digits and one letter") << "1234567890X"
                                           << "TfrmCodFisc"
                                           << "txtCodFisc"
                                           << "1234567890X";
    QTest::newRow("empty") << ""
                           << "TfrmCodFisc"
                           << "txtCodFisc"
                           << "";
}

void ClientCardTest::fiscalCodeButton()
{
    QFETCH(QString, code);
    QFETCH(QString, dialog);
    QFETCH(QString, field);
    QFETCH(QString, passed);
    frmClienti->txtCodFisc->setText(code);
    const Modal modal = clickOpening(frmClienti->btnCodFisc, qPrintable(field));
    QVERIFY(modal.opened);
    QCOMPARE(modal.className, dialog);
    QCOMPARE(modal.field, passed);
}

void ClientCardTest::checkButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("cardField");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("field");
    QTest::newRow("VAT number") << "btnPartitaIva"
                                << "txtPartitaIva"
                                << "TfrmPartitaIva"
                                << "txtPartitaIva";
    QTest::newRow("credit card") << "btnCarta"
                                 << "txtCarta"
                                 << "TfrmCarta"
                                 << "txtNumero";
    QTest::newRow("IBAN") << "btnIban"
                          << "txtIban"
                          << "TfrmIban"
                          << "txtIban";
}

void ClientCardTest::checkButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, cardField);
    QFETCH(QString, dialog);
    QFETCH(QString, field);
    control<QLineEdit>(frmClienti, qPrintable(cardField))->setText(QStringLiteral(" 4111 "));
    const Modal modal = clickOpening(control<QToolButton>(frmClienti, qPrintable(button)), qPrintable(field));
    QVERIFY(modal.opened);
    QCOMPARE(modal.className, dialog);
    QCOMPARE(modal.field, QString("4111"));
}

void ClientCardTest::screensOpened_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("memory");
    QTest::newRow("search") << "cmdTrova"
                            << "TfrmTrovaClienti"
                            << "clienti";
    QTest::newRow("attached files") << "cmdFile"
                                    << "TfrmAllegaCartella"
                                    << "clienti";
    QTest::newRow("recontact list") << "cmdRicontatta"
                                    << "TfrmRicontatta"
                                    << "<none>";
    QTest::newRow("export") << "cmdEsporta"
                            << "TfrmExpClienti"
                            << "<none>";
    QTest::newRow("help") << "cmdGuida"
                          << "TfrmGuida"
                          << "<none>";
}

void ClientCardTest::screensOpened()
{
    QFETCH(QString, command);
    QFETCH(QString, screen);
    QFETCH(QString, memory);
    const Modal first = clickOpening(control<QToolButton>(frmClienti, qPrintable(command)));
    QVERIFY(first.opened);
    QCOMPARE(first.className, screen);
    QCOMPARE(first.memory, memory);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(Messages::shownTexts(), QStringList());
}

void ClientCardTest::emailButton()
{
    frmClienti->txtEmail->setText(QStringLiteral("  maria.rossi@example.it "));
    QTest::mouseClick(frmClienti->btnEmail, Qt::LeftButton);
    frmClienti->txtEmail->clear();
    QTest::mouseClick(frmClienti->btnEmail, Qt::LeftButton);
    // The quotes the card puts around the address are the shell's, removed by TMisc.
    QCOMPARE(TMisc::opened(), QStringList({"mailto:maria.rossi@example.it", "mailto:"}));
    QCOMPARE(Messages::shownTexts(), QStringList());
}

void ClientCardTest::attachmentsHandedToTheDialog()
{
    const QList<QLabel*> labels = {frmClienti->lblFile01, frmClienti->lblFile02, frmClienti->lblFile03,
                                   frmClienti->lblDesc01, frmClienti->lblDesc02, frmClienti->lblDesc03};
    const QStringList names = {"txtFile01", "txtFile02", "txtFile03", "txtDesc01", "txtDesc02", "txtDesc03"};
    for (int i = 0; i < labels.size(); ++i)
        labels.at(i)->setText(QStringLiteral(" valore %1 ").arg(i));
    QStringList handed;
    QTimer inside;
    inside.setSingleShot(true);
    connect(&inside, &QTimer::timeout, frmClienti, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        for (const QString& name : names)
            handed << control<QLineEdit>(dialog, qPrintable(name))->text();
        dialog->reject();
    });
    inside.start(0);
    QTest::mouseClick(frmClienti->cmdFile, Qt::LeftButton);
    QCOMPARE(handed, QStringList({"valore 0", "valore 1", "valore 2", "valore 3", "valore 4", "valore 5"}));
    // Only "Applica e chiudi" writes back into the card.
    QCOMPARE(frmClienti->lblDesc03->text(), QString(" valore 5 "));
}

void ClientCardTest::showingStartsANewCard()
{
    m_fixture.writeFile(kArchive, fiveClients());
    QTest::mouseClick(frmClienti->cmdPrimo, Qt::LeftButton);
    frmClienti->txtProvRes->setCurrentIndex(3);
    QVERIFY(frmClienti->chkRicontatta->isChecked());
    QCOMPARE(frmClienti->lblPosizione->text(), QString("1"));
    // Back to the launcher and from it to the card again.
    QTest::mouseClick(frmClienti->cmdEsci, Qt::LeftButton);
    showScreen(frmClienti, frmAvvio);
    for (QLineEdit* field : frmClienti->panContainer->findChildren<QLineEdit*>())
        QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
    for (QComboBox* province : {frmClienti->txtProvNasc, frmClienti->txtProvRes})
        QCOMPARE(province->currentIndex(), -1);
    QVERIFY(!frmClienti->chkRicontatta->isChecked());
    for (QLabel* hidden : {frmClienti->lblFile01, frmClienti->lblFile02, frmClienti->lblFile03, frmClienti->lblDesc01,
                           frmClienti->lblDesc02, frmClienti->lblDesc03, frmClienti->lblPosizione})
        QVERIFY2(hidden->text().isEmpty(), qPrintable(hidden->objectName()));
    QTRY_VERIFY(frmClienti->txtCliente->hasFocus());
    QVERIFY(frmClienti->effCliente->isVisible());
    QCOMPARE(m_fixture.readFile(kArchive), fiveClients());
}

void ClientCardTest::exitShowsTheLauncher()
{
    frmClienti->txtCliente->setText(QStringLiteral("Non salvato"));
    QTest::mouseClick(frmClienti->cmdEsci, Qt::LeftButton);
    QVERIFY(frmAvvio->isVisible());
    QVERIFY(!frmClienti->isVisible());
    QCOMPARE(Messages::shownTexts(), QStringList());
    QVERIFY(!QFile::exists(m_fixture.path(kArchive)));
}

void ClientCardTest::hints()
{
    QLabel* panInfo = frmClienti->panInfo;
    QCOMPARE(panInfo->text(), QString("Pronto per archiviare una nuova scheda..."));
    hover(frmClienti->cmdSalva);
    QCOMPARE(panInfo->text(), QString("Salva la scheda corrente in archivio."));
    // Edit boxes leave the hint alone; the background and its sections empty it.
    hover(frmClienti->txtCliente);
    hover(frmClienti->txtProvNasc);
    QCOMPARE(panInfo->text(), QString("Salva la scheda corrente in archivio."));
    hover(frmClienti->shpSezione02);
    QCOMPARE(panInfo->text(), QString());
    hover(frmClienti->chkRicontatta);
    QCOMPARE(panInfo->text(), QString("Annota che il cliente \u00E8 da ricontattare per questioni in sospeso."));
    hover(frmClienti->cmdUltimo);
    QCOMPARE(panInfo->text(), QString("Visualizza l'ultima scheda in archivio."));
    hover(frmClienti->lblCliente);
    QCOMPARE(panInfo->text(), QString("Visualizza l'ultima scheda in archivio."));
    hover(frmClienti->lblSezione04);
    QCOMPARE(panInfo->text(), QString());
    hover(frmClienti->btnIban);
    QCOMPARE(panInfo->text(), QString("Controlla l'IBAN."));
    hover(frmClienti->shpSfondo);
    QCOMPARE(panInfo->text(), QString());
    hover(frmClienti->btnProve);
    QCOMPARE(panInfo->text(), QString("Visualizza il riepilogo storico dei trattamenti del cliente."));
}

QTEST_MAIN(ClientCardTest)
#include "ClientCardTest.moc"
