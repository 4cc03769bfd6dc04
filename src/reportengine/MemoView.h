#pragma once

#include "reportengine/ReportObject.h"

#include <QColor>
#include <QFont>
#include <QStringList>

// A text box of a report. Its text is a list of lines, each printed on its own
// line and never wrapped: a line longer than the memo is cut at its right edge.
// A screen finds the memo by name in its template and sets its text, or clears
// it and appends lines one at a time, before preparing the report.
class MemoView final : public ReportObject
{
public:
    // Off prints the text exactly as set, square brackets included; Date replaces
    // every "[DATE]" with today's date, "dd/mm/yyyy", when the report is prepared.
    enum class Expressions { Off, Date };

    MemoView(const QString& name, const QRectF& geometry);

    // The whole text; "\r\n", "\n" and "\r" separate lines.
    void setText(const QString& text);
    QString text() const { return m_lines.join(QLatin1Char('\n')); }
    void clearLines() { m_lines.clear(); }
    void appendLine(const QString& line) { m_lines.append(line); }
    const QStringList& lines() const { return m_lines; }

    const QFont& font() const { return m_font; }
    void setFont(const QFont& font) { m_font = font; }
    const QColor& textColor() const { return m_textColor; }
    void setTextColor(const QColor& colour) { m_textColor = colour; }
    // An invalid colour (the default) leaves the background transparent.
    const QColor& fill() const { return m_fill; }
    void setFill(const QColor& colour) { m_fill = colour; }
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment) { m_alignment = alignment; }
    Expressions expressions() const { return m_expressions; }
    void setExpressions(Expressions expressions) { m_expressions = expressions; }

    // Distance of the text from the memo's left and right, and top and bottom edges.
    double gapX() const { return m_gapX; }
    double gapY() const { return m_gapY; }
    void setGaps(double x, double y);
    // Distance between the tops of two lines; 0 (the default) takes the font's height.
    double lineHeight() const { return m_lineHeight; }
    void setLineHeight(double units) { m_lineHeight = units; }

private:
    QStringList m_lines;
    QFont m_font;
    QColor m_textColor = Qt::black;
    QColor m_fill;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignTop;
    Expressions m_expressions = Expressions::Off;
    double m_gapX = 2;
    double m_gapY = 1;
    double m_lineHeight = 0;
};
