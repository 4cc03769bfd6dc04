#include "reportengine/ReportLayout.h"

#include "app/Clock.h"
#include "app/Text.h"

#include <QFontMetricsF>
#include <QImage>
#include <cmath>
#include <limits>

namespace {
constexpr double Epsilon = 1e-6;
constexpr double Unbounded = std::numeric_limits<double>::max() / 4;

// Text is measured at printer resolution, where glyph advances are close to
// their design values, so that where a long line is cut does not depend on
// the screen.
constexpr int ReferenceDpi = 1200;
constexpr double UnitsPerReferencePixel = 96.0 / ReferenceDpi;

QPaintDevice* referenceDevice()
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        image.setDotsPerMeterX(qRound(ReferenceDpi / 0.0254));
        image.setDotsPerMeterY(qRound(ReferenceDpi / 0.0254));
        return image;
    }();
    return &device;
}

bool overlaps(double top, double bottom, double from, double to)
{
    if (bottom - top < Epsilon) // a horizontal line belongs to the slice its top is in
        return top >= from - Epsilon && top < to - Epsilon;
    return top < to - Epsilon && bottom > from + Epsilon;
}

// A memo's lines placed within its container (band or page).
class MemoLayout
{
public:
    explicit MemoLayout(const MemoView& memo) : m_memo(memo), m_metrics(memo.font(), referenceDevice())
    {
        m_lines = memo.lines();
        if (memo.expressions() == MemoView::Expressions::Date) {
            const QString today = Text::formatDate(Clock::today());
            for (QString& line : m_lines)
                line.replace(QLatin1String("[DATE]"), today);
        }
        const double fontHeight = m_metrics.height() * UnitsPerReferencePixel;
        m_ascent = m_metrics.ascent() * UnitsPerReferencePixel;
        m_pitch = memo.lineHeight() > 0 ? memo.lineHeight() : fontHeight;
        m_span = qMin(m_pitch, fontHeight);

        const QRectF box = memo.geometry();
        const double block = m_lines.isEmpty() ? 0 : (m_lines.size() - 1) * m_pitch + fontHeight;
        const Qt::Alignment vertical = memo.alignment() & Qt::AlignVertical_Mask;
        if (vertical & Qt::AlignVCenter)
            m_firstTop = box.top() + (box.height() - block) / 2;
        else if (vertical & Qt::AlignBottom)
            m_firstTop = box.bottom() - memo.gapY() - block;
        else
            m_firstTop = box.top() + memo.gapY();

        // Lines starting below the memo's bottom edge are hidden by it.
        m_visible = 0;
        while (m_visible < m_lines.size() && lineTop(m_visible) < box.bottom() - Epsilon)
            ++m_visible;
    }

    double lineTop(qsizetype line) const { return m_firstTop + line * m_pitch; }

    // Moves a cut that would go through a line up to that line's top.
    bool keepLineWhole(double& cut) const
    {
        if (m_visible == 0 || cut <= m_firstTop)
            return false;
        const auto line = static_cast<qsizetype>(std::floor((cut - m_firstTop) / m_pitch));
        if (line >= m_visible)
            return false;
        const double top = lineTop(line);
        if (cut > top + Epsilon && cut < top + m_span - Epsilon) {
            cut = top;
            return true;
        }
        return false;
    }

    // The memo's part between from and to (container coordinates), drawn with
    // the container's origin at origin and clipped to clip (page coordinates).
    void draw(PreparedPage& page, const QPointF& origin, double from, double to, const QRectF& clip) const
    {
        const QRectF box = m_memo.geometry();
        if (!overlaps(box.top(), box.bottom(), from, to))
            return;
        const QRectF visible = box.translated(origin) & clip;
        if (visible.isEmpty())
            return;
        if (m_memo.fill().isValid())
            page.items.push_back(PreparedPage::Fill{visible, m_memo.fill()});
        qsizetype line =
            m_firstTop >= from ? 0 : static_cast<qsizetype>(std::ceil((from - m_firstTop) / m_pitch - 1e-9));
        for (line = qMax<qsizetype>(line, 0); line < m_visible; ++line) {
            const double top = lineTop(line);
            if (top < from - Epsilon)
                continue;
            if (top >= to - Epsilon)
                break;
            const auto [text, x] = placeLine(m_lines.at(line));
            page.items.push_back(PreparedPage::Text{origin + QPointF(x, top + m_ascent), text, m_memo.font(),
                                                    m_memo.textColor(), visible});
        }
    }

private:
    double advance(const QString& text, qsizetype length) const
    {
        return m_metrics.horizontalAdvance(text.left(length)) * UnitsPerReferencePixel;
    }

    // The part of a line that shows, and where it starts. A line wider than the
    // memo starts at the left and is cut where the memo's right edge crosses it;
    // the glyph on the edge stays, clipped.
    std::pair<QString, double> placeLine(const QString& line) const
    {
        const QRectF box = m_memo.geometry();
        const double left = box.left() + m_memo.gapX();
        const double width = advance(line, line.size());
        const double room = box.width() - 2 * m_memo.gapX();
        if (width <= room + Epsilon) {
            const Qt::Alignment horizontal = m_memo.alignment() & Qt::AlignHorizontal_Mask;
            if (horizontal & Qt::AlignHCenter)
                return {line, box.left() + (box.width() - width) / 2};
            if (horizontal & Qt::AlignRight)
                return {line, box.right() - m_memo.gapX() - width};
            return {line, left};
        }
        const double available = box.right() - left;
        if (width <= available + Epsilon)
            return {line, left};
        // The shortest prefix that reaches the edge.
        qsizetype low = 0;
        qsizetype high = line.size();
        while (low < high) {
            const qsizetype middle = (low + high) / 2;
            if (advance(line, middle) >= available)
                high = middle;
            else
                low = middle + 1;
        }
        if (low > 0 && low < line.size() && line.at(low - 1).isHighSurrogate())
            ++low;
        return {line.left(low), left};
    }

    const MemoView& m_memo;
    QFontMetricsF m_metrics;
    QStringList m_lines;
    double m_ascent = 0;
    double m_pitch = 0;
    double m_span = 0;
    double m_firstTop = 0;
    qsizetype m_visible = 0;
};

// The objects of a band or a page, with their memos laid out once.
class ObjectsLayout
{
public:
    explicit ObjectsLayout(const ReportObjects& objects) : m_objects(objects)
    {
        for (const auto& object : objects.all())
            if (object->kind() == ReportObject::Kind::Memo)
                m_memos.emplace_back(static_cast<const MemoView&>(*object));
    }

    // The lowest cut at or above limit that goes through no memo line.
    double cutBetweenLines(double limit) const
    {
        double cut = limit;
        for (bool moved = true; moved;) {
            moved = false;
            for (const MemoLayout& memo : m_memos)
                moved = memo.keepLineWhole(cut) || moved;
        }
        return cut;
    }

    void draw(PreparedPage& page, const QPointF& origin, double from, double to, const QRectF& clip) const
    {
        auto memo = m_memos.cbegin();
        for (const auto& object : m_objects.all()) {
            const QRectF box = object->geometry();
            switch (object->kind()) {
            case ReportObject::Kind::Memo:
                (memo++)->draw(page, origin, from, to, clip);
                break;
            case ReportObject::Kind::Line: {
                const auto& line = static_cast<const LineView&>(*object);
                if (overlaps(box.top(), box.bottom(), from, to))
                    page.items.push_back(
                        PreparedPage::Line{line.line().translated(origin), line.colour(), line.width(), clip});
                break;
            }
            case ReportObject::Kind::Rect: {
                const auto& rect = static_cast<const RectView&>(*object);
                if (!overlaps(box.top(), box.bottom(), from, to))
                    break;
                const QRectF placed = box.translated(origin);
                if (rect.fill().isValid())
                    page.items.push_back(PreparedPage::Fill{placed & clip, rect.fill()});
                if (rect.frame().isValid())
                    page.items.push_back(PreparedPage::Frame{placed, rect.frame(), rect.frameWidth(), clip});
                break;
            }
            case ReportObject::Kind::Picture: {
                const auto& picture = static_cast<const PictureView&>(*object);
                if (overlaps(box.top(), box.bottom(), from, to))
                    page.items.push_back(PreparedPage::Picture{box.translated(origin), picture.source(), clip});
                break;
            }
            }
        }
    }

private:
    const ReportObjects& m_objects;
    std::vector<MemoLayout> m_memos;
};

// Fills the pages of one template page.
class PageBuilder
{
public:
    PageBuilder(const ReportPage& page, std::vector<PreparedPage>& pages)
        : m_page(page), m_pages(pages), m_printable(page.printableRect()), m_pageObjects(page.objects())
    {
        newPage();
    }

    void place(const ReportBand& band)
    {
        const ObjectsLayout objects(band.objects());
        const double height = band.height();
        const bool split = band.allowSplit() || height > m_printable.height() + Epsilon;
        double done = 0;
        for (;;) {
            const double room = m_printable.height() - m_cursor;
            if (height - done <= room + Epsilon) {
                placeSlice(objects, done, height);
                return;
            }
            if (!split) {
                newPage();
                continue;
            }
            double cut = objects.cutBetweenLines(done + room);
            if (cut <= done + Epsilon) {
                if (m_cursor > Epsilon) {
                    newPage();
                    continue;
                }
                cut = done + room; // a single line taller than the page
            }
            placeSlice(objects, done, cut);
            done = cut;
            newPage();
        }
    }

private:
    void newPage()
    {
        PreparedPage page;
        page.size = m_page.size();
        page.orientation = m_page.orientation();
        m_pages.push_back(std::move(page));
        m_cursor = 0;
        m_pageObjects.draw(m_pages.back(), m_printable.topLeft(), -Unbounded, Unbounded,
                           QRectF(QPointF(0, 0), m_page.size()));
    }

    void placeSlice(const ObjectsLayout& objects, double from, double to)
    {
        const double top = m_printable.top() + m_cursor;
        const QRectF clip(0, top, m_page.size().width(), to - from);
        objects.draw(m_pages.back(), QPointF(m_printable.left(), top - from), from, to, clip);
        m_cursor += to - from;
    }

    const ReportPage& m_page;
    std::vector<PreparedPage>& m_pages;
    QRectF m_printable;
    ObjectsLayout m_pageObjects;
    double m_cursor = 0;
};
} // namespace

std::vector<PreparedPage> ReportLayout::prepare(const ReportTemplate& reportTemplate)
{
    std::vector<PreparedPage> pages;
    for (const auto& page : reportTemplate.pages()) {
        PageBuilder builder(*page, pages);
        for (const auto& band : page->bands())
            builder.place(*band);
    }
    return pages;
}
