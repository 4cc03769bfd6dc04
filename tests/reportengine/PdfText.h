#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

// What a reader of the PDF file sees: its text as pdftotext extracts it,
// page by page, each line with its runs of blanks made single.
inline QStringList pdfPages(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                                QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    static const QRegularExpression blanks(QStringLiteral("[ \\t]+"));
    for (QString& page : pages) {
        QStringList lines;
        for (const QString& line : page.split(QLatin1Char('\n'))) {
            const QString simple = line.trimmed().replace(blanks, QStringLiteral(" "));
            if (!simple.isEmpty())
                lines.append(simple);
        }
        page = lines.join(QLatin1Char('\n'));
    }
    return pages;
}

inline QString simplified(const QString& line)
{
    static const QRegularExpression blanks(QStringLiteral("[ \\t]+"));
    return line.trimmed().replace(blanks, QStringLiteral(" "));
}
