#include "AppointmentTesting.h"
#include "GuiFixture.h"
#include "reportengine/PdfText.h"

#include "appointments/TfrmArchivio_Scadenze.h"
#include "appointments/TfrmStampaScadenza.h"
#include "appointments/TfrmStartup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {
const QString kArchive = QStringLiteral("Archivio_Appuntamenti.pro");

QString pdfInfo(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The sheet as a reader of the PDF file sees it.
QString sheet(const QStringList& values, const QString& footer)
{
    const QStringList captions{"Data appuntamento:",
                               "Ora:",
                               "Estetista:",
                               "Trattamenti richiesti:",
                               "Dettagli:",
                               "Cliente:",
                               "Telefono:",
                               "Cellulare:",
                               "E-mail:",
                               QStringLiteral("Modalit\u00E0 di pagamento:"),
                               "Importo:",
                               "Note:",
                               "Impegno assolto:"};
    QStringList lines{QStringLiteral("SCHEDA APPUNTAMENTO")};
    for (int row = 0; row < captions.size(); ++row)
        lines.append(simplified(captions.at(row) + QLatin1Char(' ') + values.at(row)));
    lines.append(footer);
    return lines.join(QLatin1Char('\n'));
}
} // namespace

class AppointmentPrintTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void windows_data();
    void windows();
    void printedSheetHoldsTheCardAsItStands();
    void previewShowsTheSameSheet();
    void emptyCardPrintsEmptyValues();
    void cancelPrintsNothing_data();
    void cancelPrintsNothing();

private:
    GuiFixture m_fixture;

    // Opens the window from the card's command and presses one of its buttons.
    bool press(const char* command, const char* button)
    {
        ModalWatch watch([button](QDialog* dialog) {
            control<QPushButton>(dialog, button)->click();
            if (dialog->isVisible())
                dialog->reject();
        });
        control<QToolButton>(frmArchivio_Scadenze, command)->click();
        return watch.seen() && frmArchivio_Scadenze->findChildren<QDialog*>().isEmpty();
    }

    void typeAppointment()
    {
        frmArchivio_Scadenze->txtData->setText(QStringLiteral("14/05/2024"));
        frmArchivio_Scadenze->txtOreApp->setCurrentIndex(9);
        frmArchivio_Scadenze->txtMinutiApp->setCurrentIndex(30);
        frmArchivio_Scadenze->txtAvviso->setText(QStringLiteral("3"));
        frmArchivio_Scadenze->txtTipologia->setText(QStringLiteral("  Giulia "));
        QTest::keyClicks(frmArchivio_Scadenze->txtCausale, QStringLiteral("Pulizia viso"));
        QTest::keyClicks(frmArchivio_Scadenze->txtDettagli, QStringLiteral("Con maschera"));
        QTest::keyClicks(frmArchivio_Scadenze->txtContatto, QStringLiteral("Rossi Anna"));
        QTest::keyClicks(frmArchivio_Scadenze->txtTel, QStringLiteral("06 1234567"));
        QTest::keyClicks(frmArchivio_Scadenze->txtCel, QStringLiteral("3337654321"));
        QTest::keyClicks(frmArchivio_Scadenze->txtEmail, QStringLiteral("anna@example.it"));
        frmArchivio_Scadenze->txtLuogo->setText(QStringLiteral("Carta di credito, più bancomat"));
        frmArchivio_Scadenze->txtImporto->setText(QStringLiteral("45,00"));
        QTest::keyClicks(frmArchivio_Scadenze->txtNote, QStringLiteral("[porta] la crema"));
    }
};

void AppointmentPrintTest::init()
{
    m_fixture.setUp();
    Clock::setForTests(QDateTime(QDate(2024, 5, 10), QTime(9, 30, 15)));
}

void AppointmentPrintTest::cleanup()
{
    m_fixture.tearDown();
}

void AppointmentPrintTest::windows_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("action");

    QTest::newRow("print") << "cmdStampa"
                           << "frmStampaScadenza"
                           << " Stampa scheda"
                           << "Stampa";
    QTest::newRow("preview") << "cmdAnteprima"
                             << "frmStartup"
                             << " Anteprima di stampa"
                             << "Mostra anteprima";
}

void AppointmentPrintTest::windows()
{
    QFETCH(QString, command);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, action);
    ModalWatch watch([&](QDialog* dialog) {
        QCOMPARE(dialog->objectName(), name);
        QCOMPARE(dialog->windowTitle(), caption);
        QCOMPARE(dialog->size(), QSize(364, 287));
        QCOMPARE(control<QPushButton>(dialog, "btnStampa")->text(), action);
        QCOMPARE(control<QPushButton>(dialog, "btnStampa")->geometry(), QRect(208, 243, 137, 28));
        QCOMPARE(control<QPushButton>(dialog, "btnAnnulla")->text(), QStringLiteral("Annulla"));
        QVERIFY(control<QWidget>(dialog, "shpSfondo"));
        dialog->reject();
    });
    control<QToolButton>(frmArchivio_Scadenze, command.toLatin1().constData())->click();
    QVERIFY(watch.seen());
}

void AppointmentPrintTest::printedSheetHoldsTheCardAsItStands()
{
    // A new appointment, typed and not saved: the archive is not read.
    typeAppointment();
    frmArchivio_Scadenze->chkOttemperata->setChecked(false);
    const QString pdf = m_fixture.path(QStringLiteral("scheda.pdf"));
    PrintDialog::setNextPdf(pdf);
    QVERIFY(press("cmdStampa", "btnStampa"));

    QCOMPARE(pdfPages(pdf),
             QStringList{sheet({"14/05/2024", "09:30", "Giulia", "Pulizia viso", "Con maschera", "Rossi Anna",
                                "06 1234567", "3337654321", "anna@example.it",
                                QStringLiteral("Carta di credito, più bancomat"), "45,00", "[porta] la crema", "No"},
                               QStringLiteral("Stampa eseguita in data 10/05/2024 alle ore 09:30:15"))});
    const QString info = pdfInfo(pdf);
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+595(\\.\\d+)? x 842(\\.\\d+)? pts"))),
             qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
    QCOMPARE(PrintDialog::previewCount(), 0);
    QVERIFY(!QFile::exists(m_fixture.path(kArchive)));
    QVERIFY(Messages::shown().isEmpty());
}

void AppointmentPrintTest::previewShowsTheSameSheet()
{
    typeAppointment();
    frmArchivio_Scadenze->chkOttemperata->setChecked(true);
    const QString pdf = m_fixture.path(QStringLiteral("anteprima.pdf"));
    PrintDialog::setNextPdf(pdf);
    QVERIFY(press("cmdAnteprima", "btnStampa"));
    QCOMPARE(PrintDialog::previewCount(), 1);
    const QStringList pages = pdfPages(pdf);
    QCOMPARE(pages.size(), 1);
    QVERIFY(pages.first().contains(QStringLiteral("\nOra: 09:30\n")));
    QVERIFY(pages.first().endsWith(
        QStringLiteral("\nImpegno assolto: S\u00EC\nStampa eseguita in data 10/05/2024 alle ore 09:30:15")));
    QVERIFY(Messages::shown().isEmpty());
}

void AppointmentPrintTest::emptyCardPrintsEmptyValues()
{
    frmArchivio_Scadenze->txtOreApp->setEditText(QString());
    frmArchivio_Scadenze->txtMinutiApp->setEditText(QString());
    frmArchivio_Scadenze->txtImporto->clear();
    const QString pdf = m_fixture.path(QStringLiteral("vuota.pdf"));
    PrintDialog::setNextPdf(pdf);
    QVERIFY(press("cmdStampa", "btnStampa"));
    QCOMPARE(pdfPages(pdf), QStringList{sheet({"", ":", "", "", "", "", "", "", "", "", "", "", "No"},
                                              QStringLiteral("Stampa eseguita in data 10/05/2024 alle ore 09:30:15"))});
}

void AppointmentPrintTest::cancelPrintsNothing_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("pdfSet");

    QTest::newRow("print window, Annulla") << "cmdStampa"
                                           << "btnAnnulla" << true;
    QTest::newRow("preview window, Annulla") << "cmdAnteprima"
                                             << "btnAnnulla" << true;
    QTest::newRow("print dialog cancelled") << "cmdStampa"
                                            << "btnStampa" << false;
}

void AppointmentPrintTest::cancelPrintsNothing()
{
    QFETCH(QString, command);
    QFETCH(QString, button);
    QFETCH(bool, pdfSet);
    typeAppointment();
    const QString pdf = m_fixture.path(QStringLiteral("scheda.pdf"));
    if (pdfSet)
        PrintDialog::setNextPdf(pdf);
    QVERIFY(press(command.toLatin1().constData(), button.toLatin1().constData()));
    QVERIFY(!QFile::exists(pdf));
    QCOMPARE(PrintDialog::previewCount(), 0);
    QVERIFY(Messages::shown().isEmpty());
}

QTEST_MAIN(AppointmentPrintTest)
#include "AppointmentPrintTest.moc"
