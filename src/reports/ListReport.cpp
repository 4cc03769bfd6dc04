#include "reports/ListReport.h"

#include "reportengine/ReportFont.h"
#include "reportengine/ReportUnits.h"

using ReportUnits::fromMm;

namespace {
const QColor SlateGrey(0x70, 0x80, 0x90);
} // namespace

ListReport::ListReport() : m_report(makeTemplate()) {}

ReportTemplate ListReport::makeTemplate()
{
    ReportTemplate report(QStringLiteral("Riepilogo dati"));
    ReportPage& page = report.addPage(QStringLiteral("Page"), QPageLayout::Landscape, 10);

    ReportBand& title = page.addBand(ReportBand::Kind::ReportTitle, QStringLiteral("ReportTitle"), fromMm(8));
    MemoView& txtTitolo = title.objects().addMemo(QStringLiteral("txtTitolo"), fromMm(2, 1, 273, 5));
    txtTitolo.setFill(SlateGrey);
    txtTitolo.setFont(ReportFont::make(QStringLiteral("Verdana"), 9, true));
    txtTitolo.setTextColor(Qt::white);
    txtTitolo.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    txtTitolo.setText(QStringLiteral("Riepilogo"));

    ReportBand& master = page.addBand(ReportBand::Kind::MasterData, QStringLiteral("MasterData"), fromMm(28));
    master.setAllowSplit(true);
    MemoView& txtRiepilogo = master.objects().addMemo(QStringLiteral("txtRiepilogo"), fromMm(3, 0, 273, 27));
    txtRiepilogo.setFont(ReportFont::make(QStringLiteral("Courier New"), 8));
    txtRiepilogo.setGaps(2, 0);
    txtRiepilogo.setLineHeight(LineHeight);

    ReportBand& footer = page.addBand(ReportBand::Kind::Footer, QStringLiteral("Footer"), fromMm(8));
    MemoView& txtPagina = footer.objects().addMemo(QStringLiteral("txtPagina"), fromMm(3, 2, 272, 5));
    txtPagina.setFill(SlateGrey);
    txtPagina.setFont(ReportFont::make(QStringLiteral("Verdana"), 8, true));
    txtPagina.setTextColor(Qt::white);
    txtPagina.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    txtPagina.setExpressions(MemoView::Expressions::Date);
    txtPagina.setText(QStringLiteral("Stampa eseguita in data [DATE]"));
    return report;
}

void ListReport::fill(const QString& title, const ListLines& lines, const QStringList& closingLines)
{
    m_report.findMemo(QStringLiteral("txtTitolo"))->setText(title);
    MemoView* txtRiepilogo = m_report.findMemo(QStringLiteral("txtRiepilogo"));
    txtRiepilogo->clearLines();
    for (qsizetype row = 0; row < lines.size(); ++row)
        txtRiepilogo->appendLine(lines.line(row));
    for (const QString& line : closingLines)
        txtRiepilogo->appendLine(line);
    txtRiepilogo->setHeight(txtRiepilogo->lines().size() * LineHeight);
    m_report.findBand(QStringLiteral("MasterData"))->setHeight(txtRiepilogo->geometry().height() + BandExtra);
}

bool ListReport::print(const QString& title, const ListLines& lines, const QStringList& closingLines, QWidget* parent)
{
    fill(title, lines, closingLines);
    m_report.prepare();
    return m_report.print(parent);
}
