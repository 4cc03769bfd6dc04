#include "reports/ListLine.h"

#include "app/Text.h"

void ListLine::appendColumn(QString& line, const QString& value, int width)
{
    const QString trimmed = Text::trim(value);
    const qsizetype kept = qMin<qsizetype>(trimmed.size(), width);
    line.append(QStringView(trimmed).left(kept));
    line.resize(line.size() + width - kept, QLatin1Char(' '));
}

QString ListLine::column(const QString& value, int width)
{
    QString column;
    appendColumn(column, value, width);
    return column;
}

void ListLine::appendLast(QString& line, const QString& value)
{
    line.append(Text::trim(value));
}
