// Build step: writes the manual "Guida.pdf" into the program folder from the
// same help texts the help window shows: a title page with the contents, then
// one chapter per topic, each starting on a new page.
#include "app/Help.h"
#include "app/Look.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>
#include <QTextDocument>
#include <cstdio>
#include <memory>

namespace {
const QString manualTitle = QStringLiteral("Guida all'utilizzo del software");

struct Page
{
    QPdfWriter& writer;
    QPainter& painter;
    QRect body; // the printable area inside the margins, in device pixels
    int number = 1;

    int mm(qreal millimetres) const { return qRound(millimetres * writer.resolution() / 25.4); }
    int pt(qreal points) const { return qRound(points * writer.resolution() / 72.0); }

    void next()
    {
        writer.newPage();
        ++number;
    }
};

QFont font(const Page& page, const QString& family, qreal points, bool bold = false, bool italic = false)
{
    QFont f(family);
    f.setPixelSize(page.pt(points));
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QString chapterHtml(int number, const Help::Chapter& chapter)
{
    QString html = QStringLiteral("<p style=\"color:#C9A24B; font-family:'DejaVu Sans'; font-size:10pt; "
                                  "font-weight:bold; margin:0\">CAPITOLO ") +
                   QString::number(number) + QStringLiteral("</p>") +
                   QStringLiteral("<p style=\"color:#5B1E4E; font-family:'DejaVu Serif'; font-size:24pt; "
                                  "font-weight:bold; font-style:italic; margin-top:4pt; margin-bottom:18pt\">") +
                   chapter.title.toHtmlEscaped() + QStringLiteral("</p>");
    for (const QString& paragraph : chapter.paragraphs)
        html += QStringLiteral("<p align=\"justify\" style=\"font-family:'DejaVu Sans'; font-size:11pt; "
                               "color:#2E1029; line-height:145%; margin-bottom:10pt\">") +
                paragraph.toHtmlEscaped() + QStringLiteral("</p>");
    return html;
}

std::unique_ptr<QTextDocument> chapterDocument(const Page& page, int number, const Help::Chapter& chapter,
                                               const QSize& area)
{
    auto document = std::make_unique<QTextDocument>();
    document->documentLayout()->setPaintDevice(&page.writer);
    document->setDocumentMargin(0);
    document->setPageSize(area);
    document->setHtml(chapterHtml(number, chapter));
    return document;
}

void drawFrame(Page& page, const QString& chapterTitle)
{
    QPainter& p = page.painter;
    const QRect& body = page.body;
    p.setPen(QPen(QColor(0xE8, 0xCF, 0x8E), page.mm(0.4)));
    p.drawLine(body.left(), body.top() + page.mm(9), body.right(), body.top() + page.mm(9));
    p.drawLine(body.left(), body.bottom() - page.mm(9), body.right(), body.bottom() - page.mm(9));
    p.setFont(font(page, QStringLiteral("DejaVu Sans"), 8.5));
    p.setPen(QColor(0x8A, 0x5A, 0x7E));
    const QRect header(body.left(), body.top(), body.width(), page.mm(7));
    p.drawText(header, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Brivanta \u2014 ") + manualTitle);
    p.drawText(header, Qt::AlignRight | Qt::AlignBottom, chapterTitle);
    const QRect footer(body.left(), body.bottom() - page.mm(7), body.width(), page.mm(7));
    p.drawText(footer, Qt::AlignCenter, QString::number(page.number));
}

void drawTitlePage(Page& page, const QList<Help::Chapter>& chapters, const QList<int>& firstPages)
{
    QPainter& p = page.painter;
    const QRect full(QPoint(0, 0), page.writer.pageLayout().fullRectPixels(page.writer.resolution()).size());
    const QRect full00 = full.translated(-page.writer.pageLayout().paintRectPixels(page.writer.resolution()).topLeft());
    QSvgRenderer cover(Look::picturePath(QStringLiteral("copertina")));
    const int coverHeight = full.width() * 340 / 600;
    cover.render(&p, QRectF(full00.left(), full00.top(), full.width(), coverHeight));

    int y = full00.top() + coverHeight + page.mm(14);
    p.setPen(QColor(0x5B, 0x1E, 0x4E));
    p.setFont(font(page, QStringLiteral("DejaVu Serif"), 26, true, true));
    p.drawText(QRect(page.body.left(), y, page.body.width(), page.mm(14)), Qt::AlignCenter, manualTitle);
    y += page.mm(16);
    p.setPen(QColor(0x8A, 0x5A, 0x7E));
    p.setFont(font(page, QStringLiteral("DejaVu Sans"), 12));
    p.drawText(QRect(page.body.left(), y, page.body.width(), page.mm(8)), Qt::AlignCenter,
               QStringLiteral("Il gestionale per centri estetici e saloni di bellezza"));

    y += page.mm(22);
    const int left = page.body.left() + page.mm(20);
    const int right = page.body.right() - page.mm(20);
    p.setPen(QColor(0xC9, 0xA2, 0x4B));
    p.setFont(font(page, QStringLiteral("DejaVu Sans"), 11, true));
    p.drawText(QRect(left, y, right - left, page.mm(8)), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("INDICE"));
    y += page.mm(10);
    p.setFont(font(page, QStringLiteral("DejaVu Sans"), 11.5));
    for (int i = 0; i < chapters.size(); ++i) {
        const QRect line(left, y, right - left, page.mm(9));
        p.setPen(QColor(0x2E, 0x10, 0x29));
        p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                   QString::number(i + 1) + QStringLiteral(".  ") + chapters.at(i).title);
        p.drawText(line, Qt::AlignRight | Qt::AlignVCenter, QString::number(firstPages.at(i)));
        p.setPen(QPen(QColor(0xF0, 0xDC, 0xE3), page.mm(0.25)));
        p.drawLine(line.left(), line.bottom(), line.right(), line.bottom());
        y += page.mm(9);
    }
}

bool writeManual(const QString& path)
{
    QPdfWriter writer(path);
    writer.setTitle(QStringLiteral("Brivanta - ") + manualTitle);
    writer.setCreator(QStringLiteral("Brivanta"));
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 16, 20, 16),
                                     QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    Page page{writer, painter, QRect(QPoint(0, 0), writer.pageLayout().paintRectPixels(writer.resolution()).size())};

    // Chapters are laid out first, so that the contents can give their pages.
    const QList<Help::Chapter> chapters = Help::manual();
    const QRect text = page.body.adjusted(0, page.mm(16), 0, -page.mm(14));
    std::vector<std::unique_ptr<QTextDocument>> documents;
    QList<int> firstPages;
    int nextPage = 2;
    for (int i = 0; i < chapters.size(); ++i) {
        documents.push_back(chapterDocument(page, i + 1, chapters.at(i), text.size()));
        firstPages.append(nextPage);
        nextPage += documents.back()->pageCount();
    }

    drawTitlePage(page, chapters, firstPages);
    for (int i = 0; i < chapters.size(); ++i) {
        QTextDocument& document = *documents.at(i);
        for (int sheet = 0; sheet < document.pageCount(); ++sheet) {
            page.next();
            drawFrame(page, chapters.at(i).title);
            painter.save();
            painter.translate(text.left(), text.top() - sheet * text.height());
            const QRectF visible(0, sheet * text.height(), text.width(), text.height());
            document.drawContents(&painter, visible);
            painter.restore();
        }
    }
    return painter.end();
}
} // namespace

int main(int argc, char* argv[])
{
    // A build step never has a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <program folder>\n", argv[0]);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/Guida.pdf");
    if (!writeManual(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}
