#include "reportengine/ReportPainter.h"

#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

namespace {
QRectF scaled(const QRectF& rect, double scale)
{
    return {rect.x() * scale, rect.y() * scale, rect.width() * scale, rect.height() * scale};
}

QRectF fitted(const QSizeF& picture, const QRectF& box)
{
    if (picture.isEmpty())
        return box;
    const QSizeF size = picture.scaled(box.size(), Qt::KeepAspectRatio);
    return {box.center() - QPointF(size.width() / 2, size.height() / 2), size};
}

void paintPicture(QPainter& painter, const QRectF& box, const QString& source)
{
    if (source.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgRenderer svg(source);
        if (svg.isValid())
            svg.render(&painter, fitted(svg.defaultSize(), box));
        return;
    }
    const QImage image = QImageReader(source).read();
    if (!image.isNull())
        painter.drawImage(fitted(image.size(), box), image);
}
} // namespace

void ReportPainter::paint(QPainter& painter, const PreparedPage& page, double scale)
{
    for (const PreparedPage::Item& item : page.items) {
        painter.save();
        if (const auto* text = std::get_if<PreparedPage::Text>(&item)) {
            painter.setClipRect(scaled(text->clip, scale));
            painter.setFont(text->font);
            painter.setPen(text->colour);
            painter.drawText(text->origin * scale, text->text);
        } else if (const auto* fill = std::get_if<PreparedPage::Fill>(&item)) {
            painter.fillRect(scaled(fill->rect, scale), fill->colour);
        } else if (const auto* frame = std::get_if<PreparedPage::Frame>(&item)) {
            painter.setClipRect(scaled(frame->clip, scale));
            painter.setPen(QPen(frame->colour, frame->width * scale));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(scaled(frame->rect, scale));
        } else if (const auto* line = std::get_if<PreparedPage::Line>(&item)) {
            painter.setClipRect(scaled(line->clip, scale));
            painter.setPen(QPen(line->colour, line->width * scale, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(QLineF(line->line.p1() * scale, line->line.p2() * scale));
        } else if (const auto* picture = std::get_if<PreparedPage::Picture>(&item)) {
            painter.setClipRect(scaled(picture->clip, scale));
            paintPicture(painter, scaled(picture->rect, scale), picture->source);
        }
        painter.restore();
    }
}
