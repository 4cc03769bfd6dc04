#include "reports/AppointmentSheet.h"

#include "reportengine/ReportFont.h"
#include "reportengine/ReportUnits.h"

using ReportUnits::fromMm;

namespace {
struct Row
{
    const char* caption;
    const char* memo;
};

const Row Rows[] = {
    {"Data appuntamento:", "txtData"},
    {"Ora:", "txtOra"},
    {"Estetista:", "txtTipologia"},
    {"Trattamenti richiesti:", "txtCausale"},
    {"Dettagli:", "txtDettagli"},
    {"Cliente:", "txtContatto"},
    {"Telefono:", "txtTel"},
    {"Cellulare:", "txtCel"},
    {"E-mail:", "txtEmail"},
    {"Modalità di pagamento:", "txtLuogo"},
    {"Importo:", "txtImporto"},
    {"Note:", "txtNote"},
    {"Impegno assolto:", "txtOttemperata"},
};

QString number(int n)
{
    return QString::number(n).rightJustified(2, QLatin1Char('0'));
}

MemoView& rowMemo(ReportObjects& objects, const QString& name, const QRectF& geometry)
{
    MemoView& memo = objects.addMemo(name, geometry);
    memo.setFont(ReportFont::make(QStringLiteral("Arial"), 7));
    memo.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return memo;
}
} // namespace

ReportTemplate AppointmentSheet::makeTemplate()
{
    ReportTemplate report(QStringLiteral("Scheda Appuntamento"));
    ReportPage& page = report.addPage(QStringLiteral("Page1"), QPageLayout::Portrait, 10);
    ReportObjects& objects = page.objects();

    objects.addRect(QStringLiteral("shpTitolo"), fromMm(1, 1, 188, 5.8)).setFill(QColor(0xB0, 0xC4, 0xDE));
    MemoView& title = objects.addMemo(QStringLiteral("titArcataSup"), fromMm(2, 2, 185.8, 4.2));
    title.setFont(ReportFont::make(QStringLiteral("Arial"), 9));
    title.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title.setText(QStringLiteral("SCHEDA APPUNTAMENTO"));

    int n = 1;
    for (const Row& row : Rows) {
        const double top = 7 + 5 * (n - 1);
        objects.addRect(QStringLiteral("shpRiga") + number(n), fromMm(1, top, 188, 4.6)).setFrame(Qt::black);
        rowMemo(objects, QStringLiteral("titCampo") + number(n), fromMm(2, top + 0.5, 37.8, 3.5))
            .setText(QString::fromUtf8(row.caption));
        rowMemo(objects, QString::fromLatin1(row.memo), fromMm(44, top + 0.5, 144, 3.5));
        ++n;
    }
    objects.addLine(QStringLiteral("linSepara"), fromMm(42, 7, 0, 71.6 - 7));

    objects.addRect(QStringLiteral("shpCalce"), fromMm(1, 76, 188, 5.8)).setFill(QColor(0xFF, 0xD7, 0x00));
    MemoView& footer = objects.addMemo(QStringLiteral("txtCalce"), fromMm(2, 77, 185.8, 4.2));
    footer.setFont(ReportFont::make(QStringLiteral("Arial"), 8));
    footer.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    footer.setText(QStringLiteral("Data e ora stampa"));
    return report;
}
