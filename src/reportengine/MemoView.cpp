#include "reportengine/MemoView.h"

#include <QRegularExpression>

MemoView::MemoView(const QString& name, const QRectF& geometry) : ReportObject(Kind::Memo, name, geometry) {}

void MemoView::setText(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    m_lines = text.isEmpty() ? QStringList() : text.split(lineBreak);
}

void MemoView::setGaps(double x, double y)
{
    m_gapX = x;
    m_gapY = y;
}
