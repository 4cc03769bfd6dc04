#include "GuiFixture.h"
#include "reportengine/PdfText.h"
#include "reportengine/Report.h"
#include "reportengine/ReportFont.h"
#include "reportengine/ReportUnits.h"
#include "reports/AppointmentSheet.h"

#include <QFontInfo>

using ReportUnits::fromMm;

namespace {
ReportTemplate sheet(const QString& text)
{
    ReportTemplate report(QStringLiteral("Scheda informativa"));
    ReportPage& page = report.addPage(QStringLiteral("Page1"), QPageLayout::Portrait, 10);
    MemoView& title = page.objects().addMemo(QStringLiteral("txtTitolo"), fromMm(23, 3, 165, 9));
    title.setFont(ReportFont::make(QStringLiteral("Arial"), 16));
    title.setFill(QColor(0xFF, 0x8C, 0x00));
    title.setTextColor(Qt::white);
    title.setAlignment(Qt::AlignCenter);
    title.setText(text);
    page.objects().addLine(QStringLiteral("linSepara01"), fromMm(23, 16, 165, 0));
    page.objects().addPicture(QStringLiteral("imgLogo"), fromMm(3, 3, 17, 13), QStringLiteral(":/pictures/logo.svg"));
    return report;
}

// A master band of lines taller than several pages.
ReportTemplate longList(int lines)
{
    ReportTemplate report(QStringLiteral("Riepilogo dati"));
    ReportPage& page = report.addPage(QStringLiteral("Page"), QPageLayout::Landscape, 10);
    ReportBand& master = page.addBand(ReportBand::Kind::MasterData, QStringLiteral("MasterData"), 0);
    master.setAllowSplit(true);
    MemoView& memo = master.objects().addMemo(QStringLiteral("txtRiepilogo"), fromMm(3, 0, 273, 0));
    memo.setFont(ReportFont::make(QStringLiteral("Courier New"), 8));
    memo.setLineHeight(12.822);
    for (int n = 1; n <= lines; ++n)
        memo.appendLine(QStringLiteral("Riga %1 Cliente: Rossi Anna  Importo: \u20AC %1,00").arg(n));
    memo.setHeight(lines * 12.822);
    master.setHeight(memo.geometry().height() + 10);
    return report;
}

QString output(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(30000) ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class ReportOutputTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_fixture.setUp(); }
    void cleanup() { m_fixture.tearDown(); }

    void pdfExportReplacesTheFile();
    void pdfExportFailureIsReported();
    void pdfDocumentInformation();
    void printGoesThroughTheDialog();
    void cancelledPrintPrintsNothing();
    void previewGoesThroughTheSeam();
    void everyLineOfALongBandIsPrinted();
    void longLineIsCutInThePrint();
    void templateFontsAreFound();
    void appointmentSheetRows();

private:
    GuiFixture m_fixture;
};

void ReportOutputTest::pdfExportReplacesTheFile()
{
    const QString path = m_fixture.path(QStringLiteral("Contatto.pdf"));
    m_fixture.writeFile(QStringLiteral("Contatto.pdf"), QByteArray(200000, 'x'));

    Report first(sheet(QStringLiteral("PRIMA SCHEDA")));
    first.prepare();
    QVERIFY(first.exportPdf(path, {}, nullptr));
    QVERIFY(fileBytes(path).startsWith("%PDF-"));
    QCOMPARE(pdfPages(path), QStringList{QStringLiteral("PRIMA SCHEDA")});

    Report second(sheet(QStringLiteral("SECONDA SCHEDA")));
    second.prepare();
    QVERIFY(second.exportPdf(path, {}, nullptr));
    QCOMPARE(pdfPages(path), QStringList{QStringLiteral("SECONDA SCHEDA")});
    QCOMPARE(QDir(m_fixture.path(QString())).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("Contatto.pdf")});
    QVERIFY(Messages::shown().isEmpty());
}

void ReportOutputTest::pdfExportFailureIsReported()
{
    const QString path = m_fixture.path(QStringLiteral("Mancante/Contatto.pdf"));
    Report report(sheet(QStringLiteral("SCHEDA")));
    report.prepare();
    QVERIFY(!report.exportPdf(path, {}, nullptr));
    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(Messages::shown().first().kind, Messages::Kind::Error);
    QCOMPARE(Messages::shown().first().text,
             QStringLiteral("Impossibile creare il file PDF:\n") + QDir::toNativeSeparators(path) +
                 QStringLiteral("\n\nAccertarsi che il file non sia aperto in un altro programma e di possedere i "
                                "privilegi di scrittura nella cartella."));
    QVERIFY(!QFile::exists(path));
}

void ReportOutputTest::pdfDocumentInformation()
{
    const QString path = m_fixture.path(QStringLiteral("Contatto.pdf"));
    Report report(sheet(QStringLiteral("SCHEDA")));
    report.prepare();
    QVERIFY(report.exportPdf(path,
                             {QStringLiteral("Scheda informativa"), QStringLiteral("Scheda informativa"),
                              QStringLiteral("Brivanta & C."), QStringLiteral("Brivanta & C.")},
                             nullptr));
    const QString info = output(QStringLiteral("pdfinfo"), {path});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Scheda informativa\n"))), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Creator:\\s+Brivanta & C.\n"))), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+595(\\.\\d+)? x 842(\\.\\d+)? pts"))),
             qPrintable(info));
    const QString metadata = output(QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), path});
    QVERIFY2(metadata.contains(QStringLiteral("<rdf:li>Brivanta &amp; C.</rdf:li>")), qPrintable(metadata));
    QVERIFY(metadata.contains(
        QStringLiteral("<dc:description><rdf:Alt><rdf:li xml:lang=\"x-default\">Scheda informativa")));
}

void ReportOutputTest::printGoesThroughTheDialog()
{
    const QString path = m_fixture.path(QStringLiteral("stampa.pdf"));
    Report report(sheet(QStringLiteral("SCHEDA ANAGRAFICA CLIENTE")));
    report.prepare();
    PrintDialog::setNextPdf(path);
    QVERIFY(report.print(nullptr));
    QCOMPARE(pdfPages(path), QStringList{QStringLiteral("SCHEDA ANAGRAFICA CLIENTE")});
}

void ReportOutputTest::cancelledPrintPrintsNothing()
{
    Report report(sheet(QStringLiteral("SCHEDA")));
    report.prepare();
    QVERIFY(!report.print(nullptr));
    QVERIFY(QDir(m_fixture.path(QString())).entryList(QDir::Files).filter(QStringLiteral(".pdf")).isEmpty());
    QVERIFY(Messages::shown().isEmpty());
}

void ReportOutputTest::previewGoesThroughTheSeam()
{
    Report report(sheet(QStringLiteral("SCHEDA APPUNTAMENTO")));
    report.prepare();
    const QString path = m_fixture.path(QStringLiteral("anteprima.pdf"));
    PrintDialog::setNextPdf(path);
    report.preview(nullptr);
    QCOMPARE(PrintDialog::previewCount(), 1);
    QCOMPARE(pdfPages(path), QStringList{QStringLiteral("SCHEDA APPUNTAMENTO")});
}

void ReportOutputTest::everyLineOfALongBandIsPrinted()
{
    Report report(longList(500));
    report.prepare();
    const QString path = m_fixture.path(QStringLiteral("lista.pdf"));
    QVERIFY(report.exportPdf(path, {}, nullptr));
    const QStringList pages = pdfPages(path);
    QCOMPARE(pages.size(), int(report.preparedPages().size()));
    QVERIFY(pages.size() >= 9);
    QStringList expected;
    for (int n = 1; n <= 500; ++n)
        expected.append(QStringLiteral("Riga %1 Cliente: Rossi Anna Importo: \u20AC %1,00").arg(n));
    QCOMPARE(pages.join(QLatin1Char('\n')).split(QLatin1Char('\n')), expected);
}

void ReportOutputTest::longLineIsCutInThePrint()
{
    ReportTemplate reportTemplate(QStringLiteral("Prova"));
    ReportPage& page = reportTemplate.addPage(QStringLiteral("Page1"), QPageLayout::Portrait, 10);
    MemoView& memo = page.objects().addMemo(QStringLiteral("txtCampo01"), fromMm(60, 24, 40, 20));
    memo.setFont(ReportFont::make(QStringLiteral("Courier New"), 10));
    memo.setText(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ") + QString(300, QLatin1Char('Z')) +
                 QStringLiteral("FINE") + QStringLiteral("\nseconda riga"));
    Report report(std::move(reportTemplate));
    report.prepare();
    const QString kept = report.preparedPages().front().texts().first();
    QVERIFY(kept.size() > 10 && kept.size() < 40);

    const QString path = m_fixture.path(QStringLiteral("taglio.pdf"));
    QVERIFY(report.exportPdf(path, {}, nullptr));
    QCOMPARE(pdfPages(path), QStringList{kept + QStringLiteral("\nseconda riga")});
}

void ReportOutputTest::templateFontsAreFound()
{
    // Columns of the lists line up only in a fixed-pitch font.
    const QFont courier = ReportFont::make(QStringLiteral("Courier New"), 8);
    QVERIFY(QFontInfo(courier).fixedPitch());
    for (const char* family : {"Arial", "Verdana", "Tahoma"})
        QVERIFY(!QFontInfo(ReportFont::make(QString::fromLatin1(family), 9)).fixedPitch());

    Report report(longList(3));
    report.prepare();
    const QString path = m_fixture.path(QStringLiteral("font.pdf"));
    QVERIFY(report.exportPdf(path, {}, nullptr));
    const QString listed = output(QStringLiteral("pdffonts"), {path});
    QVERIFY2(listed.contains(QFontInfo(courier).family().remove(QLatin1Char(' '))), qPrintable(listed));
}

void ReportOutputTest::appointmentSheetRows()
{
    Report report(AppointmentSheet::makeTemplate());
    const QStringList values{"10/05/2024",
                             "09:30",
                             "Giulia",
                             "Pulizia viso",
                             "Con maschera",
                             "Rossi Anna",
                             "06 1234567",
                             "333 7654321",
                             "anna@example.it",
                             "Contanti",
                             "45,00",
                             "[porta] la crema",
                             QStringLiteral("S\u00EC")};
    const QStringList memos{"txtData",     "txtOra",  "txtTipologia",  "txtCausale", "txtDettagli",
                            "txtContatto", "txtTel",  "txtCel",        "txtEmail",   "txtLuogo",
                            "txtImporto",  "txtNote", "txtOttemperata"};
    for (int i = 0; i < memos.size(); ++i)
        report.findMemo(memos.at(i))->setText(values.at(i));
    report.findMemo(QStringLiteral("txtCalce"))
        ->setText(QStringLiteral("Stampa eseguita in data 10/05/2024 alle ore 09:30:00"));
    report.prepare();
    const QString path = m_fixture.path(QStringLiteral("scheda.pdf"));
    QVERIFY(report.exportPdf(path, {}, nullptr));

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
    QStringList expected{QStringLiteral("SCHEDA APPUNTAMENTO")};
    for (int i = 0; i < captions.size(); ++i)
        expected.append(captions.at(i) + QLatin1Char(' ') + values.at(i));
    expected.append(QStringLiteral("Stampa eseguita in data 10/05/2024 alle ore 09:30:00"));
    QCOMPARE(pdfPages(path), QStringList{expected.join(QLatin1Char('\n'))});
}

QTEST_MAIN(ReportOutputTest)
#include "ReportOutputTest.moc"
