#include "GuiFixture.h"

#include "clients/TfrmAllegaExcel.h"
#include "clients/TfrmClienti.h"
#include "reportengine/PdfText.h"
#include "reportengine/ReportUnits.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <functional>

namespace {
const QString kFile = QStringLiteral("Trattamenti_Cliente_4.pro");
const QString kAppended = QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.");
const QString kRewritten =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kArchiveError =
    QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
                   "privilegi di scrittura nella cartella di installazione del programma.");

struct Service
{
    QByteArray data, ora, trattamenti, estetista, importo;
};

// One 113-byte treatment record laid out by hand: a length byte and the
// Windows-1252 text of each field at its offset, the rest zeros.
QByteArray record(const Service& s)
{
    QByteArray r(113, '\0');
    const struct
    {
        int offset;
        const QByteArray& text;
    } fields[] = {{0, s.data}, {11, s.ora}, {17, s.trattamenti}, {68, s.estetista}, {97, s.importo}};
    for (const auto& f : fields) {
        r[f.offset] = char(f.text.size());
        r.replace(f.offset + 1, f.text.size(), f.text);
    }
    return r;
}

QByteArray records(const QList<Service>& services)
{
    QByteArray bytes;
    for (const Service& s : services)
        bytes += record(s);
    return bytes;
}

Service service(const QByteArray& importo, const QByteArray& trattamenti = "Manicure")
{
    return {"10/05/2024", "09:30", trattamenti, "Giulia", importo};
}

// The top of the first word of each printed line beginning with one of starts,
// in points, from pdftotext's bounding boxes.
QList<double> tops(const QString& pdf, const QStringList& starts)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(60000))
        return {};
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"[0-9.]+\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    QList<double> found;
    for (const QString& start : starts) {
        for (auto it = word.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            if (m.captured(2) == start) {
                found.append(m.captured(1).toDouble());
                break;
            }
        }
    }
    return found;
}

constexpr double kPointsPerUnit = 72.0 / 96.0;
} // namespace

class TreatmentsTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_fixture.setUp();
        Clock::setForTests(QDateTime(QDate(2024, 5, 10), QTime(9, 5)));
        frmClienti->lblPosizione->setText(QStringLiteral("4"));
        frmClienti->txtCliente->setText(QStringLiteral("  Rossi Anna "));
    }
    void cleanup() { m_fixture.tearDown(); }

    void firstOpeningCreatesAnEmptyHistory();
    void listLinesInFileOrder();
    void totals_data();
    void totals();
    void unreadableFileLoadsNothingAndSaveWarns();
    void newServiceSavedTwiceIsOneRecord();
    void saveChecksInOrder_data();
    void saveChecksInOrder();
    void amountTyping_data();
    void amountTyping();
    void returnRing();
    void modifyRules();
    void modifyEditsTheLastOfIdenticalLines();
    void findInTheList();
    void printedSummary();
    void bothCloseButtonsCloseTheScreen();
    void fromTheClientCard();

private:
    // Opens the history as the client card does and runs drive inside it;
    // leaves through the visible panel's "Chiudi" if drive did not close it.
    void runHistory(const std::function<void(TfrmAllegaExcel*)>& drive)
    {
        TfrmAllegaExcel screen(frmClienti);
        bool driven = false;
        QTimer::singleShot(0, &screen, [&] {
            screen.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&screen));
            drive(&screen);
            driven = true;
            if (screen.isVisible())
                QTest::mouseClick(screen.panCosti->isVisible() ? screen.cmdClose : screen.btnChiudi, Qt::LeftButton);
        });
        screen.exec();
        QVERIFY(driven);
        QVERIFY(!screen.isVisible());
    }

    static QStringList listed(TfrmAllegaExcel* s)
    {
        QStringList lines;
        for (qsizetype row = 0; row < s->lstRecords->count(); ++row)
            lines << s->lstRecords->line(row);
        return lines;
    }

    static void type(QWidget* field, const QString& text)
    {
        field->setFocus();
        QTest::keyClicks(field, text);
    }

    GuiFixture m_fixture;
};

void TreatmentsTest::firstOpeningCreatesAnEmptyHistory()
{
    QVERIFY(!QFileInfo::exists(m_fixture.path(kFile)));
    runHistory([](TfrmAllegaExcel* s) {
        QCOMPARE(s->windowTitle(), QStringLiteral(" Riepilogo trattamenti"));
        QCOMPARE(s->lblTitolo->text(), QStringLiteral("Trattamenti di Rossi Anna"));
        QCOMPARE(s->lblTotale->text(), QStringLiteral("\u20AC 0,00"));
        QCOMPARE(s->lstRecords->count(), 0);
        QVERIFY(s->panContainer->isVisible());
        QVERIFY(!s->panCosti->isVisible());
        QCOMPARE(QApplication::focusWidget(), s->txtTrova);
    });
    QVERIFY(QFileInfo::exists(m_fixture.path(kFile)));
    QCOMPARE(QFileInfo(m_fixture.path(kFile)).size(), 0);
}

void TreatmentsTest::listLinesInFileOrder()
{
    m_fixture.writeFile(kFile, records({{"10/05/2024", "09:30", "Pulizia viso", "Giulia", "12,50"},
                                        {"1/6/24", "9", "Manicure semipermanente con decorazioni e smalto gel extra",
                                         "Maria Grazia Bianchi De Santis Ferri", "8,00"}}) +
                                   QByteArray(50, 'x'));
    runHistory([](TfrmAllegaExcel* s) {
        QCOMPARE(listed(s),
                 (QStringList{QStringLiteral("Data: 10/05/2024   Ora: 09:30   Servizi: Pulizia viso") +
                                  QString(38, QLatin1Char(' ')) + QStringLiteral("  Estetista: Giulia") +
                                  QString(22, QLatin1Char(' ')) + QStringLiteral("  Costo: \u20AC 12,50"),
                              QStringLiteral("Data: 1/6/24       Ora: 9       Servizi: Manicure semipermanente con "
                                             "decorazioni e smalto g  Estetista: Maria Grazia Bianchi De Sant  "
                                             "Costo: \u20AC 8,00")}));
        QCOMPARE(s->lstRecords->selectedRow(), -1);
    });
}

void TreatmentsTest::totals_data()
{
    QTest::addColumn<QByteArrayList>("amounts");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("total");
    QTest::newRow("cents add up") << QByteArrayList{"10,00", "2,50", "0,05"} << 3 << QStringLiteral("\u20AC 12,55");
    QTest::newRow("binary sum rounded") << QByteArrayList{"0,10", "0,20"} << 2 << QStringLiteral("\u20AC 0,30");
    QTest::newRow("empty amount skipped") << QByteArrayList{"5,00", "", "1,00"} << 2 << QStringLiteral("\u20AC 6,00");
    QTest::newRow("unreadable amount listed, not counted")
        << QByteArrayList{"5,00", "cinque", "1,00"} << 3 << QStringLiteral("\u20AC 6,00");
    QTest::newRow("large") << QByteArrayList{"1250,50", "999999,99"} << 2 << QStringLiteral("\u20AC 1001250,49");
}

void TreatmentsTest::totals()
{
    QFETCH(QByteArrayList, amounts);
    QFETCH(int, lines);
    QFETCH(QString, total);
    QList<Service> services;
    for (const QByteArray& amount : amounts)
        services << service(amount);
    m_fixture.writeFile(kFile, records(services));
    runHistory([&](TfrmAllegaExcel* s) {
        QCOMPARE(s->lstRecords->count(), lines);
        QCOMPARE(s->lblTotale->text(), total);
    });
}

void TreatmentsTest::unreadableFileLoadsNothingAndSaveWarns()
{
    QVERIFY(QDir(m_fixture.path(QString())).mkdir(kFile));
    runHistory([](TfrmAllegaExcel* s) {
        QCOMPARE(s->lstRecords->count(), 0);
        QCOMPARE(s->lblTotale->text(), QStringLiteral("0,00"));
        QVERIFY(Messages::shown().isEmpty());
        QTest::mouseClick(s->btnAggiungi, Qt::LeftButton);
        s->txtData->setText(QStringLiteral("10/05/2024"));
        s->txtOra->setText(QStringLiteral("09:30"));
        s->txtTrattamenti->setText(QStringLiteral("Pedicure"));
        s->txtEstetista->setText(QStringLiteral("Giulia"));
        QTest::mouseClick(s->btnSalva, Qt::LeftButton);
        QCOMPARE(Messages::shownTexts(), QStringList{kArchiveError});
        QCOMPARE(Messages::shown().at(0).kind, Messages::Kind::Warning);
        QCOMPARE(s->lblPosizione->text(), QString());
    });
}

void TreatmentsTest::newServiceSavedTwiceIsOneRecord()
{
    m_fixture.writeFile(kFile, record(service("20,00")));
    runHistory([this](TfrmAllegaExcel* s) {
        QTest::mouseClick(s->btnAggiungi, Qt::LeftButton);
        QVERIFY(s->panCosti->isVisible());
        QVERIFY(!s->panContainer->isVisible());
        QCOMPARE(QApplication::focusWidget(), s->txtData);
        QCOMPARE(s->txtImporto->text(), QStringLiteral("0,00"));
        QCOMPARE(s->lblPosizione->text(), QString());

        QTest::mouseClick(s->impData, Qt::LeftButton);
        QTest::mouseClick(s->impOra, Qt::LeftButton);
        QCOMPARE(s->txtData->text(), QStringLiteral("10/05/2024"));
        QCOMPARE(s->txtOra->text(), QStringLiteral("09:05"));
        type(s->txtTrattamenti, QStringLiteral("Pulizia viso e massaggio drenante con oli essenziali agli agrumi"));
        s->txtEstetista->setText(QStringLiteral("Zo\u00EB"));
        s->txtImporto->selectAll();
        type(s->txtImporto, QStringLiteral("12,5"));
        QTest::mouseClick(s->btnSalva, Qt::LeftButton);
        QCOMPARE(s->txtImporto->text(), QStringLiteral("12,50"));
        QCOMPARE(Messages::shownTexts(), QStringList{kAppended});
        QCOMPARE(Messages::shown().at(0).kind, Messages::Kind::Information);
        QCOMPARE(s->lblPosizione->text(), QStringLiteral("2"));

        s->txtEstetista->setText(QStringLiteral("Zo\u00EB Neri"));
        QTest::mouseClick(s->btnSalva, Qt::LeftButton);
        QCOMPARE(Messages::shownTexts(), (QStringList{kAppended, kRewritten}));
        QCOMPARE(s->lblPosizione->text(), QStringLiteral("2"));
        // The editor stays open after saving.
        QVERIFY(s->panCosti->isVisible());
        QCOMPARE(s->lstRecords->count(), 1);
    });
    QCOMPARE(m_fixture.readFile(kFile),
             record(service("20,00")) +
                 record({"10/05/2024", "09:05", "Pulizia viso e massaggio drenante con oli essenzia", "Zo\xEB Neri",
                         "12,50"}));
}

void TreatmentsTest::saveChecksInOrder_data()
{
    QTest::addColumn<QString>("empty");
    QTest::addColumn<QString>("warning");
    QTest::newRow("date") << QStringLiteral("txtData")
                          << QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare la data in "
                                            "cui \u00E8 stato effettuato il servizio.");
    QTest::newRow("time") << QStringLiteral("txtOra")
                          << QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare l'ora in "
                                            "cui \u00E8 stato effettuato il servizio.");
    QTest::newRow("treatments") << QStringLiteral("txtTrattamenti")
                                << QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare i "
                                                  "trattamenti effettuati.");
    QTest::newRow("beautician") << QStringLiteral("txtEstetista")
                                << QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare il "
                                                  "nome dell'estetista che ha effettuato il trattamento.");
    QTest::newRow("amount") << QStringLiteral("txtImporto")
                            << QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare "
                                              "l'importo pagato dal cliente.");
}

void TreatmentsTest::saveChecksInOrder()
{
    QFETCH(QString, empty);
    QFETCH(QString, warning);
    runHistory([&](TfrmAllegaExcel* s) {
        QTest::mouseClick(s->btnAggiungi, Qt::LeftButton);
        QLineEdit* fields[] = {s->txtData, s->txtOra, s->txtTrattamenti, s->txtEstetista, s->txtImporto};
        bool before = true;
        for (QLineEdit* field : fields) {
            // The fields after the empty one are empty too: only the first is reported.
            if (field->objectName() == empty)
                before = false;
            field->setText(before ? QStringLiteral("1") : QStringLiteral("  "));
        }
        // The button is pressed without taking the focus, so the amount is not rewritten first.
        s->btnSalva->setFocusPolicy(Qt::NoFocus);
        s->txtTrattamenti->setFocus();
        QTest::mouseClick(s->btnSalva, Qt::LeftButton);
        QCOMPARE(Messages::shownTexts(), QStringList{warning});
        QCOMPARE(Messages::shown().at(0).kind, Messages::Kind::Warning);
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), empty);
    });
    QCOMPARE(QFileInfo(m_fixture.path(kFile)).size(), 0);
}

void TreatmentsTest::amountTyping_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("normalised");
    QTest::newRow("one decimal") << QStringLiteral("12,5") << QStringLiteral("12,5") << QStringLiteral("12,50");
    QTest::newRow("leading zeros") << QStringLiteral("007") << QStringLiteral("007") << QStringLiteral("7,00");
    QTest::newRow("point and minus dropped")
        << QStringLiteral("-1.5") << QStringLiteral("15") << QStringLiteral("15,00");
    QTest::newRow("letters dropped") << QStringLiteral("3a,b4") << QStringLiteral("3,4") << QStringLiteral("3,40");
    QTest::newRow("rounded to cents") << QStringLiteral("12,345") << QStringLiteral("12,345")
                                      << QStringLiteral("12,35");
    QTest::newRow("two commas") << QStringLiteral("1,2,3") << QStringLiteral("1,2,3") << QStringLiteral("0,00");
    QTest::newRow("nothing") << QString() << QString() << QStringLiteral("0,00");
}

void TreatmentsTest::amountTyping()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, normalised);
    runHistory([&](TfrmAllegaExcel* s) {
        QTest::mouseClick(s->btnAggiungi, Qt::LeftButton);
        s->txtImporto->clear();
        type(s->txtImporto, typed);
        QCOMPARE(s->txtImporto->text(), shown);
        QTest::keyClick(s->txtImporto, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), s->txtData);
        QCOMPARE(s->txtImporto->text(), normalised);
    });
}

void TreatmentsTest::returnRing()
{
    runHistory([](TfrmAllegaExcel* s) {
        QTest::mouseClick(s->btnAggiungi, Qt::LeftButton);
        QWidget* ring[] = {s->txtData, s->txtOra, s->txtTrattamenti, s->txtEstetista, s->txtImporto, s->txtData};
        for (QWidget* field : ring) {
            QCOMPARE(QApplication::focusWidget(), field);
            QTest::keyClick(field, Qt::Key_Return);
        }
        QCOMPARE(s->txtData->text(), QString());
    });
}

void TreatmentsTest::modifyRules()
{
    runHistory([](TfrmAllegaExcel* s) {
        QTest::mouseClick(s->btnModifica, Qt::LeftButton);
        QVERIFY(s->panContainer->isVisible());
    });
    QCOMPARE(Messages::shownTexts(),
             QStringList{QStringLiteral("Modifica non applicabile: la lista non contiene nessuna voce.")});
    QCOMPARE(Messages::shown().at(0).kind, Messages::Kind::Information);
    Messages::resetForTests();

    m_fixture.writeFile(kFile, records({service("10,00"), service("15,00", "Pedicure")}));
    runHistory([](TfrmAllegaExcel* s) {
        QTest::mouseClick(s->btnModifica, Qt::LeftButton);
        QCOMPARE(Messages::shownTexts(), QStringList{QStringLiteral("Attenzione: selezionare una voce dall'elenco "
                                                                    "prima di premere il pulsante di modifica.")});
        QCOMPARE(Messages::shown().at(0).kind, Messages::Kind::Warning);
        QVERIFY(s->panContainer->isVisible());

        s->lstRecords->selectRow(1);
        QTest::mouseClick(s->btnModifica, Qt::LeftButton);
        QVERIFY(s->panCosti->isVisible());
        QCOMPARE(QApplication::focusWidget(), s->txtData);
        QCOMPARE(s->lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE((QStringList{s->txtData->text(), s->txtOra->text(), s->txtTrattamenti->text(), s->txtEstetista->text(),
                              s->txtImporto->text()}),
                 (QStringList{"10/05/2024", "09:30", "Pedicure", "Giulia", "15,00"}));
        s->txtImporto->setText(QStringLiteral("18,00"));
        QTest::mouseClick(s->btnSalva, Qt::LeftButton);
        QCOMPARE(Messages::shownTexts().last(), kRewritten);
    });
    QCOMPARE(m_fixture.readFile(kFile), records({service("10,00"), service("18,00", "Pedicure")}));
}

void TreatmentsTest::modifyEditsTheLastOfIdenticalLines()
{
    m_fixture.writeFile(kFile, records({service("10,00"), service("7,00", "Pedicure"), service("10,00")}));
    runHistory([](TfrmAllegaExcel* s) {
        QCOMPARE(s->lstRecords->line(0), s->lstRecords->line(2));
        s->lstRecords->selectRow(0);
        QTest::mouseClick(s->btnModifica, Qt::LeftButton);
        QCOMPARE(s->lblPosizione->text(), QStringLiteral("3"));
        s->txtTrattamenti->setText(QStringLiteral("Manicure e smalto"));
        QTest::mouseClick(s->btnSalva, Qt::LeftButton);
    });
    QCOMPARE(m_fixture.readFile(kFile),
             records({service("10,00"), service("7,00", "Pedicure"), service("10,00", "Manicure e smalto")}));
}

void TreatmentsTest::findInTheList()
{
    runHistory([](TfrmAllegaExcel* s) {
        QTest::mouseClick(s->btnTrova, Qt::LeftButton);
        QCOMPARE(Messages::shownTexts(),
                 QStringList{QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.")});
        QCOMPARE(Messages::shown().at(0).kind, Messages::Kind::Plain);
    });
    Messages::resetForTests();

    m_fixture.writeFile(kFile, records({service("1,00"), service("2,00", "Pedicure"), service("3,00"),
                                        service("4,00", "PEDICURE curativo")}));
    runHistory([](TfrmAllegaExcel* s) {
        type(s->txtTrova, QStringLiteral("pedicure"));
        QTest::keyClick(s->txtTrova, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), s->btnTrova);
        QCOMPARE(s->lstRecords->selectedRow(), -1);
        QTest::mouseClick(s->btnTrova, Qt::LeftButton);
        QCOMPARE(s->lstRecords->selectedRow(), 1);
        QTest::mouseClick(s->btnTrova, Qt::LeftButton);
        QCOMPARE(s->lstRecords->selectedRow(), 3);
        QTest::mouseClick(s->btnTrova, Qt::LeftButton);
        QCOMPARE(s->lstRecords->selectedRow(), 1);
    });
    QVERIFY(Messages::shown().isEmpty());
}

void TreatmentsTest::printedSummary()
{
    m_fixture.writeFile(kFile, records({service("10,00"), service("2,50", "Pedicure"), service("0,05", "Ceretta")}));
    const QString pdf = m_fixture.path(QStringLiteral("riepilogo.pdf"));
    runHistory([&](TfrmAllegaExcel* s) {
        PrintDialog::setNextPdf(pdf);
        QTest::mouseClick(s->btnStampa, Qt::LeftButton);
        const MemoView* memo = s->frxReport.report().findMemo(QStringLiteral("txtRiepilogo"));
        QCOMPARE(memo->lines().size(), 5);
        QCOMPARE(memo->geometry().height(), 64.11);
        QCOMPARE(s->frxReport.report().findBand(QStringLiteral("MasterData"))->height(), 74.11);
    });
    const QStringList pages = pdfPages(pdf);
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages.first().split(QLatin1Char('\n')),
             (QStringList{QStringLiteral("Riepilogo trattamenti di Rossi Anna"),
                          QStringLiteral("Data: 10/05/2024 Ora: 09:30 Servizi: Manicure Estetista: Giulia Costo: "
                                         "\u20AC 10,00"),
                          QStringLiteral("Data: 10/05/2024 Ora: 09:30 Servizi: Pedicure Estetista: Giulia Costo: "
                                         "\u20AC 2,50"),
                          QStringLiteral("Data: 10/05/2024 Ora: 09:30 Servizi: Ceretta Estetista: Giulia Costo: "
                                         "\u20AC 0,05"),
                          QStringLiteral("--------------------------"), QStringLiteral("TOTALE IMPORTI: \u20AC 12,55"),
                          QStringLiteral("Stampa eseguita in data 10/05/2024")}));

    // The five memo lines stand 12.822 units apart, and the footer follows the
    // band of 74.11 units: 9 mm below the title's top plus the band.
    const QList<double> y = tops(pdf, {QStringLiteral("Riepilogo"), QStringLiteral("Data:"), QStringLiteral("TOTALE"),
                                       QStringLiteral("Stampa")});
    QCOMPARE(y.size(), 4);
    QVERIFY2(qAbs((y[2] - y[1]) - 4 * 12.822 * kPointsPerUnit) < 0.1, qPrintable(QString::number(y[2] - y[1])));
    const double footer = (ReportUnits::fromMm(9) + 74.11) * kPointsPerUnit;
    QVERIFY2(qAbs((y[3] - y[0]) - footer) < 0.5,
             qPrintable(QString::number(y[3] - y[0]) + " vs " + QString::number(footer)));
}

void TreatmentsTest::bothCloseButtonsCloseTheScreen()
{
    m_fixture.writeFile(kFile, record(service("10,00")));
    runHistory([](TfrmAllegaExcel* s) {
        QTest::mouseClick(s->btnChiudi, Qt::LeftButton);
        QVERIFY(!s->isVisible());
        QCOMPARE(s->lstRecords->count(), 0);
    });
    runHistory([](TfrmAllegaExcel* s) {
        QTest::mouseClick(s->btnAggiungi, Qt::LeftButton);
        s->txtTrattamenti->setText(QStringLiteral("mai salvato"));
        QTest::mouseClick(s->cmdClose, Qt::LeftButton);
        QVERIFY(!s->isVisible());
    });
    QCOMPARE(m_fixture.readFile(kFile), record(service("10,00")));
    QVERIFY(Messages::shown().isEmpty());
}

void TreatmentsTest::fromTheClientCard()
{
    frmClienti->Show();
    QTest::mouseClick(frmClienti->cmdNuovo, Qt::LeftButton);
    frmClienti->txtCliente->setText(QStringLiteral("Bianchi Carla"));
    frmClienti->txtTelCel->setText(QStringLiteral("3331234567"));
    QTest::mouseClick(frmClienti->cmdSalva, Qt::LeftButton);
    QCOMPARE(frmClienti->lblPosizione->text(), QStringLiteral("1"));

    const auto openHistory = [](const std::function<void(TfrmAllegaExcel*)>& drive) {
        bool driven = false;
        QTimer::singleShot(0, frmClienti, [&] {
            auto* screen = qobject_cast<TfrmAllegaExcel*>(QApplication::activeModalWidget());
            QVERIFY(screen);
            screen->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(screen));
            drive(screen);
            driven = true;
            QTest::mouseClick(screen->panCosti->isVisible() ? screen->cmdClose : screen->btnChiudi, Qt::LeftButton);
        });
        QTest::mouseClick(frmClienti->btnProve, Qt::LeftButton);
        QVERIFY(driven);
    };
    openHistory([](TfrmAllegaExcel* s) {
        QCOMPARE(s->lblTitolo->text(), QStringLiteral("Trattamenti di Bianchi Carla"));
        QTest::mouseClick(s->btnAggiungi, Qt::LeftButton);
        QTest::mouseClick(s->impData, Qt::LeftButton);
        QTest::mouseClick(s->impOra, Qt::LeftButton);
        s->txtTrattamenti->setText(QStringLiteral("Ceretta"));
        s->txtEstetista->setText(QStringLiteral("Giulia"));
        s->txtImporto->selectAll();
        type(s->txtImporto, QStringLiteral("25"));
        QTest::mouseClick(s->btnSalva, Qt::LeftButton);
    });
    openHistory([](TfrmAllegaExcel* s) {
        QCOMPARE(s->lstRecords->count(), 1);
        QVERIFY(s->lstRecords->line(0).startsWith(QStringLiteral("Data: 10/05/2024   Ora: 09:05   Servizi: Ceretta")));
        QCOMPARE(s->lblTotale->text(), QStringLiteral("\u20AC 25,00"));
    });
    QCOMPARE(Messages::shownTexts(), (QStringList{kAppended, kAppended}));
    QCOMPARE(m_fixture.readFile(QStringLiteral("Trattamenti_Cliente_1.pro")),
             record({"10/05/2024", "09:05", "Ceretta", "Giulia", "25,00"}));
}

QTEST_MAIN(TreatmentsTest)
#include "TreatmentsTest.moc"
