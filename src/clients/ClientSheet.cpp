#include "clients/ClientSheet.h"

#include "app/Clock.h"
#include "app/DataFolder.h"
#include "app/Messages.h"
#include "app/Settings.h"
#include "app/TMisc.h"
#include "reportengine/ReportFont.h"
#include "reportengine/ReportUnits.h"
#include "storage/TSchedaCliente.h"

using ReportUnits::fromMm;
using Output = ClientSheetContent::Output;

namespace {
const QColor kDarkOrange(0xFF, 0x8C, 0x00);
const QColor kTeal(0x00, 0x80, 0x80);

QString number(int n)
{
    return QString::number(n).rightJustified(2, QLatin1Char('0'));
}

QString captionName(int n)
{
    return QStringLiteral("titCampo") + number(n);
}

QString valueName(int n)
{
    return QStringLiteral("txtCampo") + number(n);
}

MemoView& barMemo(ReportObjects& objects, const QString& name, const QRectF& geometry, double points)
{
    MemoView& memo = objects.addMemo(name, geometry);
    memo.setFill(kDarkOrange);
    memo.setFont(ReportFont::make(QStringLiteral("Arial"), points));
    memo.setTextColor(Qt::white);
    memo.setAlignment(Qt::AlignCenter);
    return memo;
}

QString pdfPath()
{
    return DataFolder::filePath(QStringLiteral("Contatto.pdf"));
}

QString askOpen()
{
    return QStringLiteral("L'esportazione della scheda in PDF \u00E8 terminata con successo.\r\n\r\nSi vuole aprire il "
                          "file?");
}
} // namespace

ClientSheet::ClientSheet() : m_report(makeTemplate()) {}

ReportTemplate ClientSheet::makeTemplate()
{
    ReportTemplate sheet(QStringLiteral("Scheda informativa"));
    ReportPage& page = sheet.addPage(QStringLiteral("Page1"), QPageLayout::Portrait, 10);
    ReportObjects& objects = page.objects();

    objects.addPicture(QStringLiteral("imgLogo"), fromMm(3, 3, 17, 13), QStringLiteral(":/pictures/logo.svg"));
    barMemo(objects, QStringLiteral("txtTitolo"), fromMm(23, 3, 165, 9), 16).setText(QStringLiteral("Titolo Scheda"));
    objects.addLine(QStringLiteral("linSepara01"), fromMm(23, 16, 165, 0));

    for (int n = 1; n <= ClientSheetContent::RowCount; ++n) {
        const double top = 24 + 10 * (n - 1);
        MemoView& caption = objects.addMemo(captionName(n), fromMm(3, top, 52, 6));
        caption.setFill(kTeal);
        caption.setFont(ReportFont::make(QStringLiteral("Arial"), 9));
        caption.setTextColor(Qt::white);
        caption.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        caption.setText(QStringLiteral("Campo") + number(n));

        MemoView& value = objects.addMemo(valueName(n), fromMm(60, top, 128, 6));
        value.setFont(ReportFont::make(QStringLiteral("Arial"), 10));
        value.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    objects.addLine(QStringLiteral("linSepara02"), fromMm(3, 265, 185, 0));
    barMemo(objects, QStringLiteral("txtCalce"), fromMm(3, 269, 185, 6), 10).setText(QStringLiteral("Termine scheda"));
    return sheet;
}

void ClientSheet::fill(const TSchedaCliente& card, Output output)
{
    m_report.setOrientation(QPageLayout::Portrait);
    m_report.findMemo(QStringLiteral("txtTitolo"))->setText(ClientSheetContent::title());
    const QList<ClientSheetContent::Row> rows = ClientSheetContent::rows(card, output);
    for (int n = 1; n <= rows.size(); ++n) {
        m_report.findMemo(captionName(n))->setText(rows.at(n - 1).caption);
        m_report.findMemo(valueName(n))->setText(rows.at(n - 1).value);
    }
    m_report.findMemo(QStringLiteral("txtCalce"))->setText(ClientSheetContent::footer(Clock::now()));
    m_report.prepare();
}

void ClientSheet::print(const TSchedaCliente& card, QWidget* parent)
{
    fill(card, Output::Paper);
    m_report.print(parent);
}

void ClientSheet::preview(const TSchedaCliente& card, QWidget* parent)
{
    fill(card, Output::Paper);
    m_report.preview(parent);
}

void ClientSheet::exportPdf(const TSchedaCliente& card, QWidget* parent)
{
    fill(card, Output::Pdf);
    const QString title = QStringLiteral("Scheda informativa");
    const PdfOptions options{title, title, Settings::makerName(), Settings::makerName()};
    if (!m_report.exportPdf(pdfPath(), options, parent))
        return;
    if (Messages::confirm(parent, askOpen()))
        TMisc::Open(QLatin1Char('"') + pdfPath() + QLatin1Char('"'));
}
