#include "ClientSearchTesting.h"
#include "GuiFixture.h"
#include "appointments/AppointmentTesting.h"

#include "app/TfrmGuida.h"
#include "clients/TfrmClienti.h"
#include "clients/TfrmExpClienti.h"

#include <QAbstractItemModel>
#include <QLabel>
#include <QTableView>
#include <QToolButton>

using namespace StoredClient;

namespace {
const QString kFile = QStringLiteral("Clienti.xls");

const QByteArray kHead =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\"><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
    "charset=windows-1252\"><!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
    "<x:Name>Riepilogo Clienti</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
    "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents><x:ProtectObjects>"
    "False</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios></x:WorksheetOptions></x:ExcelWorksheet>"
    "</x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]--></head><body><table x:str><tr>";
const QByteArray kTail = "</table></body></html>";

const QList<QPair<QByteArray, int>> kFileHeaders{{"Cognome e nome", 250},
                                                 {"Data di nascita", 200},
                                                 {"Comune di nascita", 250},
                                                 {"Tel. preferenziale", 250},
                                                 {"Indirizzo di residenza", 300},
                                                 {"Comune di residenza", 250},
                                                 {"Modalit\xE0 di pagamento", 250},
                                                 {"Tel. casa", 250},
                                                 {"Tel. ufficio", 250},
                                                 {"Tel. cellulare", 250},
                                                 {"PEC", 250},
                                                 {"E-mail", 250},
                                                 {"Codice fiscale", 250},
                                                 {"Partita IVA", 250},
                                                 {"Carta di credito n.", 300},
                                                 {"Scadenza", 150},
                                                 {"IBAN", 300},
                                                 {"Estremi documento", 280},
                                                 {"Occupazione", 250},
                                                 {"Stato civile", 250},
                                                 {"Titoli e qualifiche", 280},
                                                 {"Prodotti e servizi di interesse", 300},
                                                 {"Zona", 250},
                                                 {"Questioni in sospeso", 300},
                                                 {"Note", 300}};

QByteArray headerRow()
{
    QByteArray cells;
    for (const auto& [title, width] : kFileHeaders)
        cells += "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(width) + ">" + title +
                 "</td>";
    return cells + "</tr>";
}

QByteArray row(const QByteArrayList& cells)
{
    QByteArray tr = "<tr>";
    for (const QByteArray& c : cells)
        tr += "<td style=\"text-align: left;\">" + c + "</td>";
    return tr + "</tr>";
}

// Every exported field filled, each with a text of its own.
QByteArray rossiAnna()
{
    return record({{Cliente, "Rossi Anna"},
                   {DataNasc, "01/02/1980"},
                   {ComuneNasc, "Roma"},
                   {ProvNasc, "RM"},
                   {Sesso, "F"},
                   {Recapito, "06 1234567"},
                   {IndirizzoRes, "Via Appia 1"},
                   {ProvRes, "MI"},
                   {ComuneRes, "Milano"},
                   {CapRes, "20100"},
                   {Estremi, "Contanti"},
                   {TelCasa, "06 7654321"},
                   {TelUff, "06 1111111"},
                   {TelCel, "333 1234567"},
                   {Fax, "anna@pec.it"},
                   {Email, "anna@example.it"},
                   {CodFisc, "RSSNNA80B41H501X"},
                   {Carta, "4111111111111111"},
                   {ScadeCarta, "12/27"},
                   {PartitaIva, "01234567890"},
                   {Iban, "IT60X0542811101000000123456"},
                   {Documento, "CI AB1234567"},
                   {Occupazione, "Insegnante"},
                   {Civile, "Coniugata"},
                   {Titoli, "Laurea"},
                   {Prodotti, "Manicure"},
                   {Zona, "Centro"},
                   {Questioni, "Preventivo"},
                   {Note, "Allergia <nichel> & \x80"},
                   {Ricontatta, yes},
                   {File01, "contratto.pdf"},
                   {Desc01, "Contratto"}});
}

// Born in Roma with no province; neither town nor province of residence.
QByteArray bianchiCarla()
{
    return record({{Cliente, "Bianchi Carla"}, {ComuneNasc, "Roma"}, {TelCel, "347 2222222"}});
}

const QByteArray kRossiRow = row({"Rossi Anna",
                                  "01/02/1980",
                                  "Roma RM",
                                  "06 1234567",
                                  "Via Appia 1",
                                  "Milano MI",
                                  "Contanti",
                                  "06 7654321",
                                  "06 1111111",
                                  "333 1234567",
                                  "anna@pec.it",
                                  "anna@example.it",
                                  "RSSNNA80B41H501X",
                                  "01234567890",
                                  "4111111111111111",
                                  "12/27",
                                  "IT60X0542811101000000123456",
                                  "CI AB1234567",
                                  "Insegnante",
                                  "Coniugata",
                                  "Laurea",
                                  "Manicure",
                                  "Centro",
                                  "Preventivo",
                                  "Allergia &lt;nichel&gt; &amp; \x80"});
const QByteArray kBianchiRow = row({"Bianchi Carla",
                                    "",
                                    "Roma",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "347 2222222",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    ""});
} // namespace

class ClientExportTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_fixture.setUp(); }
    void cleanup() { m_fixture.tearDown(); }

    void gridColumns();
    void gridRowsAndFileFromTheCard();
    void emptyArchiveKeepsTheTenEmptyRows();
    void helpTopic();

private:
    GuiFixture m_fixture;

    static QStringList rowOf(const TfrmExpClienti& screen, int r)
    {
        const QAbstractItemModel* model = screen.grdRecords->model();
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c)
            cells.append(model->index(r, c).data().toString());
        return cells;
    }
};

void ClientExportTest::gridColumns()
{
    TfrmExpClienti screen(frmClienti);
    QCOMPARE(screen.objectName(), QStringLiteral("frmExpClienti"));
    QCOMPARE(screen.windowTitle(), QStringLiteral(" Esporta archivio clienti in Microsoft Excel"));
    QCOMPARE(screen.imgLogo->text(), QStringLiteral("ESPORTAZIONE IN EXCEL"));
    const QAbstractItemModel* model = screen.grdRecords->model();
    const QList<QPair<QString, int>> columns{{"N.", 60},
                                             {"Cognome e nome", 250},
                                             {"Data di nascita", 120},
                                             {"Comune / Stato estero di nascita", 250},
                                             {"Tel. preferenziale", 200},
                                             {"Indirizzo di residenza", 250},
                                             {"Comune di residenza", 250},
                                             {"Modalit\u00E0 di pagamento", 250},
                                             {"Tel. casa", 200},
                                             {"Tel. ufficio", 200},
                                             {"Tel. cellulare", 200},
                                             {"PEC", 200},
                                             {"E-mail", 250},
                                             {"Codice fiscale", 150},
                                             {"Partita IVA", 150},
                                             {"Carta di credito n.", 250},
                                             {"Scadenza", 160},
                                             {"IBAN", 250},
                                             {"Estremi documento", 280},
                                             {"Occupazione", 250},
                                             {"Stato civile", 250},
                                             {"Titoli e qualifiche", 280},
                                             {"Prodotti e servizi di interesse", 300},
                                             {"Zona", 250},
                                             {"Questioni in sospeso", 300},
                                             {"Note", 350}};
    QCOMPARE(model->columnCount(), 26);
    for (int c = 0; c < columns.size(); ++c) {
        QCOMPARE(model->headerData(c, Qt::Horizontal).toString(), columns.at(c).first);
        QCOMPARE(screen.grdRecords->columnWidth(c), columns.at(c).second);
    }
}

void ClientExportTest::gridRowsAndFileFromTheCard()
{
    m_fixture.writeFile(QStringLiteral("Contatti.pro"), archiveOf({rossiAnna(), bianchiCarla()}));
    ModalWatch watch([](QDialog* dialog) {
        auto* screen = qobject_cast<TfrmExpClienti*>(dialog);
        QVERIFY(screen);
        QCOMPARE(screen->grdRecords->model()->rowCount(), 2);
        QCOMPARE(rowOf(*screen, 0), (QStringList{"1",
                                                 "Rossi Anna",
                                                 "01/02/1980",
                                                 "Roma RM",
                                                 "06 1234567",
                                                 "Via Appia 1",
                                                 "Milano MI",
                                                 "Contanti",
                                                 "06 7654321",
                                                 "06 1111111",
                                                 "333 1234567",
                                                 "anna@pec.it",
                                                 "anna@example.it",
                                                 "RSSNNA80B41H501X",
                                                 "01234567890",
                                                 "4111111111111111",
                                                 "12/27",
                                                 "IT60X0542811101000000123456",
                                                 "CI AB1234567",
                                                 "Insegnante",
                                                 "Coniugata",
                                                 "Laurea",
                                                 "Manicure",
                                                 "Centro",
                                                 "Preventivo",
                                                 "Allergia <nichel> & \u20AC"}));
        // The grid keeps the blank that joins a town to a missing province.
        const QStringList second = rowOf(*screen, 1);
        QCOMPARE(second.value(0), QStringLiteral("2"));
        QCOMPARE(second.value(3), QStringLiteral("Roma "));
        QCOMPARE(second.value(6), QStringLiteral(" "));
        QTest::mouseClick(screen->cmdEsporta, Qt::LeftButton);
        QTest::mouseClick(screen->cmdEsci, Qt::LeftButton);
    });
    frmClienti->cmdEsporta->click();
    QVERIFY(watch.seen());

    // The file's cells are trimmed.
    QCOMPARE(m_fixture.readFile(kFile), kHead + headerRow() + kRossiRow + kBianchiRow + kTail);
    QCOMPARE(TMisc::opened(), QStringList{m_fixture.path(kFile)});
    QCOMPARE(Messages::shown().size(), 2);
}

void ClientExportTest::emptyArchiveKeepsTheTenEmptyRows()
{
    TfrmExpClienti screen(frmClienti);
    screen.show();
    QCOMPARE(screen.grdRecords->model()->rowCount(), 10);
    QCOMPARE(rowOf(screen, 9), QStringList(26, QString()));
    QTest::mouseClick(screen.cmdEsporta, Qt::LeftButton);
    QCOMPARE(m_fixture.readFile(kFile),
             kHead + headerRow() + row(QByteArrayList(25, QByteArray())).repeated(10) + kTail);
}

void ClientExportTest::helpTopic()
{
    TfrmExpClienti screen(frmClienti);
    screen.show();
    QString title;
    ModalWatch watch([&title](QDialog* dialog) {
        if (auto* help = qobject_cast<TfrmGuida*>(dialog))
            title = help->lblTitolo->text();
        dialog->close();
    });
    QTest::mouseClick(screen.cmdGuida, Qt::LeftButton);
    QVERIFY(watch.seen());
    QCOMPARE(title, QStringLiteral("Esportazione archivio clienti in Excel"));
}

QTEST_MAIN(ClientExportTest)
#include "ClientExportTest.moc"
