#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPageLayout>
#include <QRectF>
#include <QStringList>
#include <variant>
#include <vector>

// One page of a prepared report: what is drawn where, in report units from the
// paper's top-left corner, in drawing order. Texts are already cut to their memo.
// Report::preparedPages() gives them, for example to check what a print holds.
struct PreparedPage
{
    struct Text
    {
        QPointF origin; // left end of the baseline
        QString text;
        QFont font;
        QColor colour;
        QRectF clip;
    };
    struct Fill
    {
        QRectF rect;
        QColor colour;
    };
    struct Frame
    {
        QRectF rect;
        QColor colour;
        double width;
        QRectF clip;
    };
    struct Line
    {
        QLineF line;
        QColor colour;
        double width;
        QRectF clip;
    };
    struct Picture
    {
        QRectF rect;
        QString source;
        QRectF clip;
    };
    using Item = std::variant<Text, Fill, Frame, Line, Picture>;

    QSizeF size;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    std::vector<Item> items;

    // The printed texts of the page, top to bottom as drawn.
    QStringList texts() const;
};
