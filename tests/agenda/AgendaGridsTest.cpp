#include "GuiFixture.h"

#include "agenda/TfrmAgenda.h"
#include "agenda/TfrmExpGiornaliere.h"
#include "agenda/TfrmExpImminenti.h"
#include "agenda/TfrmExpMensili.h"
#include "storage/TSchedaAppuntamento.h"

#include <QAbstractItemModel>
#include <QCalendarWidget>
#include <QLabel>
#include <QTableView>
#include <QToolButton>

namespace {
struct Stored
{
    QString data;
    QString ora; // "hh:mm"
    QString flag;
    QString avviso = QStringLiteral("0");
    QString contatto = QStringLiteral("Cliente");
};

QByteArray archive(const QList<Stored>& appointments)
{
    QByteArray bytes;
    for (const Stored& s : appointments) {
        TSchedaAppuntamento a;
        a.Data = s.data;
        a.OreApp = s.ora.left(2);
        a.MinutiApp = s.ora.mid(3, 2);
        a.Ora = s.ora;
        a.Avviso = s.avviso;
        a.Causale = QStringLiteral("Pedicure");
        a.Contatto = s.contatto;
        a.Cel = QStringLiteral("333 1234567");
        a.Importo = QStringLiteral("30,00");
        a.Ottemperata = s.flag;
        bytes += a.encode();
    }
    return bytes;
}

const QString kNo = QStringLiteral("No");
const QString kYes = QStringLiteral("S\u00EC");

QStringList column(QDialog& screen, int c)
{
    const QAbstractItemModel* model = control<QTableView>(&screen, "grdRecords")->model();
    QStringList texts;
    for (int r = 0; r < model->rowCount(); ++r)
        texts << model->index(r, c).data().toString();
    return texts;
}

QByteArray headerCell(const QByteArray& title, int width)
{
    return "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(width) + ">" + title +
           "</td>";
}
} // namespace

class AgendaGridsTest : public QObject
{
    Q_OBJECT

private:
    GuiFixture m_fixture;

    void store(const QList<Stored>& appointments)
    {
        m_fixture.writeFile(TSchedaAppuntamento::fileName(), archive(appointments));
    }

private Q_SLOTS:
    void init()
    {
        m_fixture.setUp();
        Clock::setForTests(QDateTime(QDate(2024, 5, 10), QTime(12, 0)));
        frmAgenda->calAppuntamenti->setSelectedDate(QDate(2024, 5, 10));
    }
    void cleanup() { m_fixture.tearDown(); }

    void screens()
    {
        TfrmExpImminenti imminenti;
        TfrmExpGiornaliere giornaliere;
        TfrmExpMensili mensili;
        const QList<std::tuple<QDialog*, QString, QString, QString>> expected{
            {&imminenti, "frmExpImminenti", " Appuntamenti imminenti", "Appuntamenti imminenti"},
            {&giornaliere, "frmExpGiornaliere", " Appuntamenti del giorno", "Appuntamenti del giorno"},
            {&mensili, "frmExpMensili", " Appuntamenti del mese", "Appuntamenti del mese"},
        };
        for (const auto& [screen, name, caption, logo] : expected) {
            QCOMPARE(screen->objectName(), name);
            QCOMPARE(screen->windowTitle(), caption);
            QCOMPARE(control<QLabel>(screen, "imgLogo")->text(), logo);
            const QAbstractItemModel* model = control<QTableView>(screen, "grdRecords")->model();
            QCOMPARE(model->rowCount(), 10);
            QCOMPARE(model->columnCount(), 15);
            QCOMPARE(model->headerData(14, Qt::Horizontal).toString(), QStringLiteral("Codice univoco"));
            QCOMPARE(control<QTableView>(screen, "grdRecords")->columnWidth(1), 140);
            QCOMPARE(control<QTableView>(screen, "grdRecords")->columnWidth(14), 150);
        }
    }

    void dayGridInTimeOrderWithFileRanks()
    {
        store({{"10/05/2024", "15:30", kNo},
               {"11/05/2024", "08:00", kNo},
               {"10/05/2024", "09:00", kYes},
               {"10/05/2024", "11:00", kNo}});
        TfrmExpGiornaliere screen;
        screen.show();

        QCOMPARE(column(screen, 2), (QStringList{"09:00", "11:00", "15:30"}));
        QCOMPARE(column(screen, 0), (QStringList{"2", "3", "1"}));
        QCOMPARE(column(screen, 14), (QStringList{"202405100900", "202405101100", "202405101530"}));
        QCOMPARE(column(screen, 12), (QStringList{kYes, kNo, kNo}));
    }

    void monthGrid()
    {
        store({{"31/05/2024", "10:00", kNo},
               {"10/05/2023", "10:00", kNo},
               {"01/05/2024", "10:00", kYes},
               {"10/06/2024", "10:00", kNo},
               {"10/05/2024", "10:00", kNo}});
        TfrmExpMensili screen;
        screen.show();

        QCOMPARE(column(screen, 1), (QStringList{"01/05/2024", "10/05/2024", "31/05/2024"}));
        QCOMPARE(column(screen, 0), (QStringList{"2", "3", "1"}));
    }

    void imminentGridGoesOnPastUnreadableRecords()
    {
        // Today is 10/05/2024.
        store({{"12/05/2024", "10:00", kNo, "3", "Rossi"},
               {"10/05/2024", "09:00", kYes, "0", "Fatto"},
               {"1/5/2024", "09:00", kNo, "0", "Data storta"},
               {"10/05/2024", "16:00", kNo, "x", "Preavviso storto"},
               {"20/05/2024", "10:00", kNo, "3", "Lontano"},
               {"10/05/2024", "11:00", QString(), "0", "Senza flag"},
               {"02/05/2024", "18:00", kNo, "0", "Passato"}});
        TfrmExpImminenti screen;
        screen.show();

        QCOMPARE(column(screen, 6), (QStringList{"Passato", "Rossi"}));
        QCOMPARE(column(screen, 0), (QStringList{"2", "1"}));
    }

    void nothingSelectedExportsTheHeaderOnly()
    {
        store({{"11/05/2024", "10:00", kNo}});
        TfrmExpGiornaliere screen;
        screen.show();
        QCOMPARE(screen.grdRecords->model()->rowCount(), 0);

        QTest::mouseClick(screen.cmdEsporta, Qt::LeftButton);

        const QByteArray expected =
            "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:"
            "excel\" xmlns=\"http://www.w3.org/TR/REC-html40\"><head><meta http-equiv=\"Content-Type\" "
            "content=\"text/html; charset=windows-1252\"><!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets>"
            "<x:ExcelWorksheet><x:Name>Appuntamenti del giorno</x:Name><x:WorksheetOptions><x:Selected/><x:Panes>"
            "<x:Pane><x:Number>1</x:Number><x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False"
            "</x:ProtectContents><x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>False"
            "</x:ProtectScenarios></x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook>"
            "</xml><![endif]--></head><body><table x:str><tr>" +
            headerCell("Data appuntamento", 180) + headerCell("Ora", 150) + headerCell("Estetista", 280) +
            headerCell("Trattamenti richiesti", 400) + headerCell("Dettagli", 400) + headerCell("Cliente", 300) +
            headerCell("Telefono", 200) + headerCell("Cellulare", 200) + headerCell("E-mail", 250) +
            headerCell("Modalit\xE0 di pagamento", 300) + headerCell("Importo", 200) +
            headerCell("Impegno assolto", 200) + headerCell("Note", 400) + headerCell("Codice univoco", 150) +
            "</tr></table></body></html>";
        QCOMPARE(m_fixture.readFile(QStringLiteral("Appuntamenti_Giornalieri.xls")), expected);
        QCOMPARE(TMisc::opened(), QStringList{m_fixture.path(QStringLiteral("Appuntamenti_Giornalieri.xls"))});
    }

    void exportEndsEachRowWithTheKey()
    {
        store({{"10/05/2024", "15:30", kNo}});
        TfrmExpImminenti screen;
        screen.show();

        QTest::mouseClick(screen.cmdEsporta, Qt::LeftButton);

        const QByteArray file = m_fixture.readFile(QStringLiteral("Appuntamenti_Imminenti.xls"));
        QVERIFY(file.contains("<x:Name>Appuntamenti imminenti</x:Name>"));
        QVERIFY(file.endsWith("<td style=\"text-align: left;\">Pedicure</td>"
                              "<td style=\"text-align: left;\"></td><td style=\"text-align: left;\">Cliente</td>"
                              "<td style=\"text-align: left;\"></td><td style=\"text-align: left;\">333 1234567</td>"
                              "<td style=\"text-align: left;\"></td><td style=\"text-align: left;\"></td>"
                              "<td style=\"text-align: left;\">30,00</td><td style=\"text-align: left;\">No</td>"
                              "<td style=\"text-align: left;\"></td>"
                              "<td style=\"text-align: left;\">202405101530</td></tr></table></body></html>"));
    }

    void emptyArchiveKeepsTenEmptyRows()
    {
        TfrmExpMensili screen;
        screen.show();
        QCOMPARE(screen.grdRecords->model()->rowCount(), 10);
        QCOMPARE(column(screen, 0), QStringList(10, QString()));
    }
};

QTEST_MAIN(AgendaGridsTest)
#include "AgendaGridsTest.moc"
