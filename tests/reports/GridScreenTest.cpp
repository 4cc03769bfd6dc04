#include "GuiFixture.h"

#include "app/TfrmGuida.h"
#include "appointments/TfrmExpScadenzario.h"
#include "storage/TSchedaAppuntamento.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

// The grid frame and the export, through the appointment archive export.
namespace {
const QString kFile = QStringLiteral("Riepilogo_Appuntamenti.xls");

const QString kAskExport =
    QStringLiteral("L'esportazione dei dati in Excel pu\u00F2 richiedere diversi minuti a seconda "
                   "del numero di schede presenti in archivio.\r\n\r\nSi vuole esportare i dati "
                   "adesso?");
const QString kAskOpen = QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole "
                                        "aprire il file di Excel?");
const QString kFailed = QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che "
                                       "il file di Excel non sia gi\u00E0 aperto.");

const QByteArray kHead =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\"><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
    "charset=windows-1252\"><!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
    "<x:Name>Riepilogo Appuntamenti</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
    "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents><x:ProtectObjects>"
    "False</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios></x:WorksheetOptions></x:ExcelWorksheet>"
    "</x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]--></head><body><table x:str><tr>"
    "<td style=\"text-align: left; font-weight: bold;\" width=180>Data appuntamento</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=150>Ora</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=280>Estetista</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=400>Trattamenti richiesti</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=400>Dettagli</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=300>Cliente</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Telefono</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Cellulare</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>E-mail</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=300>Modalit\xE0 di pagamento</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Importo</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=200>Impegno assolto</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=400>Note</td></tr>";
const QByteArray kTail = "</table></body></html>";

QByteArray row(const QByteArrayList& cells)
{
    QByteArray tr = "<tr>";
    for (const QByteArray& c : cells)
        tr += "<td style=\"text-align: left;\">" + c + "</td>";
    return tr + "</tr>";
}

TSchedaAppuntamento rossi()
{
    TSchedaAppuntamento a;
    a.Data = QStringLiteral("10/05/2024");
    a.OreApp = QStringLiteral("15");
    a.MinutiApp = QStringLiteral("30");
    a.Ora = QStringLiteral("15:30");
    a.Avviso = QStringLiteral("3");
    a.Tipologia = QStringLiteral("Giulia");
    a.Causale = QStringLiteral("Pulizia viso");
    a.Dettagli = QStringLiteral("Crema all'aloe");
    a.Contatto = QStringLiteral("Rossi Anna");
    a.Tel = QStringLiteral("06 1234567");
    a.Cel = QStringLiteral("333 1234567");
    a.Email = QStringLiteral("anna@example.it");
    a.Luogo = QStringLiteral("Contanti");
    a.Importo = QStringLiteral("25,00");
    a.Note = QStringLiteral("Allergia <nichel> & lattice");
    a.Ottemperata = QStringLiteral("No");
    return a;
}

TSchedaAppuntamento bianchi()
{
    TSchedaAppuntamento a;
    a.Data = QStringLiteral("11/05/2024");
    a.OreApp = QStringLiteral("09");
    a.MinutiApp = QStringLiteral("00");
    a.Ora = QStringLiteral("09:00");
    a.Avviso = QStringLiteral("0");
    a.Tipologia = QStringLiteral("Marta");
    a.Causale = QStringLiteral("Manicure");
    a.Contatto = QStringLiteral("Bianchi Carla");
    a.Cel = QStringLiteral("347 7654321");
    a.Luogo = QStringLiteral("Carta di credito");
    a.Importo = QStringLiteral("1250,50");
    a.Note = QStringLiteral("Pi\u00F9 tempo \u20AC");
    a.Ottemperata = QStringLiteral("S\u00EC");
    return a;
}

const QByteArray kRossiRow =
    row({"10/05/2024", "15:30", "Giulia", "Pulizia viso", "Crema all'aloe", "Rossi Anna", "06 1234567", "333 1234567",
         "anna@example.it", "Contanti", "25,00", "No", "Allergia &lt;nichel&gt; &amp; lattice"});
const QByteArray kBianchiRow = row({"11/05/2024", "09:00", "Marta", "Manicure", "", "Bianchi Carla", "", "347 7654321",
                                    "", "Carta di credito", "1250,50", "S\xEC", "Pi\xF9 tempo \x80"});
} // namespace

class GridScreenTest : public QObject
{
    Q_OBJECT

private:
    GuiFixture m_fixture;

    void writeArchive(const QList<TSchedaAppuntamento>& appointments)
    {
        QByteArray bytes;
        for (const TSchedaAppuntamento& a : appointments)
            bytes += a.encode();
        m_fixture.writeFile(TSchedaAppuntamento::fileName(), bytes);
    }

    static QString cell(TfrmExpScadenzario& screen, int r, int c)
    {
        const QAbstractItemModel* model = screen.grdRecords->model();
        return model->index(r, c).data().toString();
    }

    static QStringList column(TfrmExpScadenzario& screen, int c)
    {
        QStringList texts;
        for (int r = 0; r < screen.grdRecords->model()->rowCount(); ++r)
            texts << cell(screen, r, c);
        return texts;
    }

private Q_SLOTS:
    void init() { m_fixture.setUp(); }
    void cleanup() { m_fixture.tearDown(); }

    void frameAtCreation()
    {
        TfrmExpScadenzario screen;
        QCOMPARE(screen.objectName(), QStringLiteral("frmExpScadenzario"));
        QCOMPARE(screen.windowTitle(), QStringLiteral(" Esportazione archivio appuntamenti"));
        QCOMPARE(screen.size(), QSize(862, 560));
        QCOMPARE(screen.imgLogo->text(), QStringLiteral("ESPORTAZIONE IN EXCEL"));
        QCOMPARE(screen.panInfo->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
        QCOMPARE(screen.grdRecords->size(), QSize(821, 409));

        const QAbstractItemModel* model = screen.grdRecords->model();
        QCOMPARE(model->rowCount(), 10);
        QCOMPARE(model->columnCount(), 14);
        QCOMPARE(column(screen, 0), QStringList(10, QString()));
        const QStringList headers{"N.",
                                  "Data appuntamento",
                                  "Ora",
                                  "Estetista",
                                  "Trattamenti richiesti",
                                  "Dettagli",
                                  "Cliente",
                                  "Telefono",
                                  "Cellulare",
                                  "E-mail",
                                  "Modalit\u00E0 di pagamento",
                                  "Importo",
                                  "Impegno assolto",
                                  "Note"};
        const QList<int> widths{60, 130, 100, 200, 300, 300, 250, 150, 150, 200, 250, 180, 150, 300};
        for (int c = 0; c < 14; ++c) {
            QCOMPARE(model->headerData(c, Qt::Horizontal).toString(), headers.at(c));
            QCOMPARE(screen.grdRecords->columnWidth(c), widths.at(c));
        }
        QCOMPARE(screen.grdRecords->verticalHeader()->defaultSectionSize(), 21);
        QVERIFY(screen.grdRecords->alternatingRowColors());
    }

    void hints()
    {
        TfrmExpScadenzario screen;
        screen.show();
        const QList<QPair<QToolButton*, QString>> commands{
            {screen.cmdEsporta, QStringLiteral("Esporta l'archivio in formato Microsoft Excel.")},
            {screen.cmdGuida, QStringLiteral("Visualizza la pagina della guida sensibile al contesto.")},
            {screen.cmdEsci, QStringLiteral("Esci da questo ambiente di lavoro.")},
        };
        int x = 50;
        for (const auto& [command, hint] : commands) {
            QEvent enter(QEvent::Enter);
            QCoreApplication::sendEvent(command, &enter);
            QCOMPARE(screen.panInfo->text(), hint);
            QTest::mouseMove(screen.grdRecords->viewport(), QPoint(x += 20, 50));
            QTRY_COMPARE(screen.panInfo->text(), QString());
        }
        screen.panInfo->setText(QStringLiteral("x"));
        QTest::mouseMove(&screen, QPoint(430, 5));
        QTRY_COMPARE(screen.panInfo->text(), QString());
    }

    void loadsEveryRecordInFileOrder()
    {
        TSchedaAppuntamento third = rossi();
        third.Contatto = QStringLiteral("Verdi Luca");
        writeArchive({rossi(), bianchi(), third});
        TfrmExpScadenzario screen;
        screen.show();

        QCOMPARE(screen.grdRecords->model()->rowCount(), 3);
        QCOMPARE(column(screen, 0), (QStringList{"1", "2", "3"}));
        QCOMPARE(column(screen, 6), (QStringList{"Rossi Anna", "Bianchi Carla", "Verdi Luca"}));
        QCOMPARE(cell(screen, 1, 2), QStringLiteral("09:00"));
        QCOMPARE(cell(screen, 1, 11), QStringLiteral("1250,50"));
        QCOMPARE(cell(screen, 1, 12), QStringLiteral("S\u00EC"));
        QCOMPARE(cell(screen, 0, 13), QStringLiteral("Allergia <nichel> & lattice"));
    }

    void exportWritesTheDocumentAndOffersToOpenIt()
    {
        writeArchive({rossi(), bianchi()});
        TfrmExpScadenzario screen;
        screen.show();

        QTest::mouseClick(screen.cmdEsporta, Qt::LeftButton);

        QCOMPARE(m_fixture.readFile(kFile), kHead + kRossiRow + kBianchiRow + kTail);
        const QList<Messages::Shown> shown = Messages::shown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(0).kind, Messages::Kind::Confirmation);
        QCOMPARE(shown.at(0).text, kAskExport);
        QCOMPARE(shown.at(1).kind, Messages::Kind::Confirmation);
        QCOMPARE(shown.at(1).text, kAskOpen);
        QCOMPARE(TMisc::opened(), QStringList{m_fixture.path(kFile)});
    }

    void emptyArchiveExportsTenEmptyRows()
    {
        TfrmExpScadenzario screen;
        screen.show();
        // The missing archive is created empty.
        QVERIFY(QFileInfo::exists(m_fixture.path(TSchedaAppuntamento::fileName())));
        QCOMPARE(QFileInfo(m_fixture.path(TSchedaAppuntamento::fileName())).size(), 0);
        QCOMPARE(screen.grdRecords->model()->rowCount(), 10);

        QTest::mouseClick(screen.cmdEsporta, Qt::LeftButton);

        const QByteArray emptyRow = row(QByteArrayList(13, QByteArray()));
        QCOMPARE(m_fixture.readFile(kFile), kHead + emptyRow.repeated(10) + kTail);
    }

    void answeringNo()
    {
        writeArchive({rossi()});
        m_fixture.writeFile(kFile, "earlier export");
        TfrmExpScadenzario screen;
        screen.show();

        // No to the first question: nothing is written.
        Messages::queueAnswer(false);
        QTest::mouseClick(screen.cmdEsporta, Qt::LeftButton);
        QCOMPARE(Messages::shownTexts(), QStringList{kAskExport});
        QCOMPARE(m_fixture.readFile(kFile), QByteArray("earlier export"));

        // No to the second: the file is written over, and not opened.
        Messages::resetForTests();
        Messages::queueAnswer(true);
        Messages::queueAnswer(false);
        QTest::mouseClick(screen.cmdEsporta, Qt::LeftButton);
        QCOMPARE(Messages::shownTexts(), (QStringList{kAskExport, kAskOpen}));
        QCOMPARE(m_fixture.readFile(kFile), kHead + kRossiRow + kTail);
        QCOMPARE(TMisc::opened(), QStringList());
    }

    void failureIsReportedAndLeavesWhatWasThere()
    {
        writeArchive({rossi()});
        // A folder in the way of the file makes the export fail.
        QVERIFY(QDir(m_fixture.path(QString())).mkdir(kFile));
        m_fixture.writeFile(kFile + QStringLiteral("/inside.txt"), "kept");
        TfrmExpScadenzario screen;
        screen.show();

        QTest::mouseClick(screen.cmdEsporta, Qt::LeftButton);

        const QList<Messages::Shown> shown = Messages::shown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(0).text, kAskExport);
        QCOMPARE(shown.at(1).kind, Messages::Kind::Plain);
        QCOMPARE(shown.at(1).text, kFailed);
        QCOMPARE(TMisc::opened(), QStringList());
        QCOMPARE(m_fixture.readFile(kFile + QStringLiteral("/inside.txt")), QByteArray("kept"));
        QCOMPARE(QDir(m_fixture.path(QString())).entryList(QDir::Files), QStringList{TSchedaAppuntamento::fileName()});
    }

    void helpAndExit()
    {
        TfrmExpScadenzario screen;
        screen.show();
        bool helpShown = false;
        QTimer::singleShot(0, this, [&helpShown] {
            auto* help = qobject_cast<TfrmGuida*>(QApplication::activeModalWidget());
            helpShown = help != nullptr;
            if (help)
                help->close();
        });
        QTest::mouseClick(screen.cmdGuida, Qt::LeftButton);
        QTRY_VERIFY(helpShown);

        QTest::mouseClick(screen.cmdEsci, Qt::LeftButton);
        QVERIFY(!screen.isVisible());
    }
};

QTEST_MAIN(GridScreenTest)
#include "GridScreenTest.moc"
