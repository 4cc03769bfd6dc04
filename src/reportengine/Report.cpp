#include "reportengine/Report.h"

#include "app/Messages.h"
#include "app/PrintDialog.h"
#include "reportengine/ReportLayout.h"
#include "reportengine/ReportPainter.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace {
QPageLayout pageLayout(QPageLayout::Orientation orientation)
{
    return QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(), QPageLayout::Millimeter);
}

QPageLayout::Orientation firstOrientation(const std::vector<PreparedPage>& pages)
{
    return pages.empty() ? QPageLayout::Portrait : pages.front().orientation;
}

void setUp(QPrinter& printer, const std::vector<PreparedPage>& pages, const QString& name)
{
    printer.setDocName(name);
    printer.setFullPage(true);
    printer.setPageLayout(pageLayout(firstOrientation(pages)));
}

// Pages first to last (1-based, 0 for no limit) on a device whose painting
// origin is the paper's corner.
bool render(QPagedPaintDevice& device, int resolution, const std::vector<PreparedPage>& pages, int first = 0,
            int last = 0)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double scale = resolution / 96.0;
    bool started = false;
    for (int number = 1; number <= int(pages.size()); ++number) {
        if ((first > 0 && number < first) || (last > 0 && number > last))
            continue;
        const PreparedPage& page = pages[number - 1];
        if (started) {
            device.setPageOrientation(page.orientation);
            device.newPage();
        }
        started = true;
        ReportPainter::paint(painter, page, scale);
    }
    return painter.end();
}

QByteArray xmpMetadata(const PdfOptions& options)
{
    const auto alt = [](const QString& text) {
        return QStringLiteral("<rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt>")
            .arg(text.toHtmlEscaped());
    };
    const QString xmp =
        QStringLiteral("<?xpacket begin=\"\xFEFF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>"
                       "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">"
                       "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">"
                       "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\""
                       " xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\">"
                       "<dc:title>%1</dc:title><dc:description>%2</dc:description>"
                       "<dc:creator><rdf:Seq><rdf:li>%3</rdf:li></rdf:Seq></dc:creator>"
                       "<xmp:CreatorTool>%4</xmp:CreatorTool><pdf:Producer>%4</pdf:Producer>"
                       "</rdf:Description></rdf:RDF></x:xmpmeta><?xpacket end=\"w\"?>")
            .arg(alt(options.title), alt(options.subject), options.author.toHtmlEscaped(),
                 options.creator.toHtmlEscaped());
    return xmp.toUtf8();
}
} // namespace

Report::Report(ReportTemplate reportTemplate) : m_template(std::move(reportTemplate)) {}

void Report::prepare()
{
    m_pages = ReportLayout::prepare(m_template);
}

bool Report::print(QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    setUp(printer, m_pages, m_template.name());
    if (!PrintDialog::exec(printer, parent))
        return false;
    const bool range = printer.printRange() == QPrinter::PageRange;
    if (!render(printer, printer.resolution(), m_pages, range ? printer.fromPage() : 0, range ? printer.toPage() : 0)) {
        Messages::error(parent, QStringLiteral("Stampa non riuscita: la stampante selezionata non è disponibile."));
        return false;
    }
    return true;
}

void Report::preview(QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    setUp(printer, m_pages, m_template.name());
    PrintDialog::preview(printer, parent, [this](QPrinter* target) { render(*target, target->resolution(), m_pages); });
}

bool Report::exportPdf(const QString& path, const PdfOptions& options, QWidget* parent)
{
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        QPdfWriter writer(&file);
        writer.setTitle(options.title);
        writer.setCreator(options.creator);
        writer.setDocumentXmpMetadata(xmpMetadata(options));
        writer.setPageLayout(pageLayout(firstOrientation(m_pages)));
        written = render(writer, writer.resolution(), m_pages);
    }
    if (!written || !file.commit()) {
        Messages::error(parent, QStringLiteral("Impossibile creare il file PDF:\n") + QDir::toNativeSeparators(path) +
                                    QStringLiteral("\n\nAccertarsi che il file non sia aperto in un altro programma e "
                                                   "di possedere i privilegi di scrittura nella cartella."));
        return false;
    }
    return true;
}
