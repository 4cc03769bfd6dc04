#include "reports/SpreadsheetDocument.h"

#include "app/Text.h"
#include "reports/GridRows.h"
#include "storage/Cp1252.h"

#include <QSaveFile>
#include <cstring>

namespace {
constexpr char kOpening[] =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\">"
    "<head>"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
    "<!--[if gte mso 9]><xml>"
    "<x:ExcelWorkbook>"
    "<x:ExcelWorksheets>"
    "<x:ExcelWorksheet>"
    "<x:Name>";
constexpr char kAfterSheetName[] = "</x:Name>"
                                   "<x:WorksheetOptions>"
                                   "<x:Selected/>"
                                   "<x:Panes>"
                                   "<x:Pane>"
                                   "<x:Number>1</x:Number>"
                                   "<x:ActiveRow>3</x:ActiveRow>"
                                   "</x:Pane>"
                                   "</x:Panes>"
                                   "<x:ProtectContents>False</x:ProtectContents>"
                                   "<x:ProtectObjects>False</x:ProtectObjects>"
                                   "<x:ProtectScenarios>False</x:ProtectScenarios>"
                                   "</x:WorksheetOptions>"
                                   "</x:ExcelWorksheet>"
                                   "</x:ExcelWorksheets>"
                                   "</x:ExcelWorkbook>"
                                   "</xml><![endif]-->"
                                   "</head>"
                                   "<body>"
                                   "<table x:str>"
                                   "<tr>";
constexpr char kHeaderCellOpen[] = "<td style=\"text-align: left; font-weight: bold;\" width=";
constexpr char kDataCellOpen[] = "<td style=\"text-align: left;\">";
constexpr char kCellClose[] = "</td>";
constexpr char kClosing[] = "</table></body></html>";

bool inCodePageAsIs(char16_t c)
{
    return c < 0x80 || (c >= 0xA0 && c <= 0xFF);
}

// The text in Windows-1252, with the three characters that would be read as
// markup written as entities. Written straight into the document's buffer:
// an export writes millions of cells.
void appendText(QByteArray& out, QStringView text)
{
    constexpr qsizetype kLongestEntity = 5;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype start = out.size();
        out.resize(start + (text.size() - i) * kLongestEntity);
        char* const begin = out.data() + start;
        char* p = begin;
        for (; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            if (c == '&') {
                std::memcpy(p, "&amp;", 5);
                p += 5;
            } else if (c == '<') {
                std::memcpy(p, "&lt;", 4);
                p += 4;
            } else if (c == '>') {
                std::memcpy(p, "&gt;", 4);
                p += 4;
            } else if (inCodePageAsIs(c)) {
                *p++ = char(c);
            } else {
                break;
            }
        }
        out.truncate(start + (p - begin));
        if (i == text.size())
            break;
        // The rest of the code page and best fits for what it lacks, a run at a time.
        qsizetype end = i + 1;
        while (end < text.size() && !inCodePageAsIs(text[end].unicode()))
            ++end;
        out.append(Cp1252::encode(text.mid(i, end - i).toString()));
        i = end;
    }
}
} // namespace

QByteArray SpreadsheetDocument::build(const QString& sheetName, const QList<GridColumn>& columns, const GridRows& rows)
{
    QByteArray out;
    // The markup of the rows, most of the document.
    out.reserve(4096 + rows.size() * (9 + qsizetype(columns.size()) * 40));

    out.append(kOpening);
    appendText(out, sheetName);
    out.append(kAfterSheetName);
    for (const GridColumn& column : columns) {
        out.append(kHeaderCellOpen);
        out.append(QByteArray::number(column.fileWidth));
        out.append('>');
        appendText(out, column.fileTitle);
        out.append(kCellClose);
    }
    out.append("</tr>");

    for (qsizetype r = 0; r < rows.size(); ++r) {
        out.append("<tr>");
        for (int c = 1; c <= columns.size(); ++c) {
            out.append(kDataCellOpen);
            appendText(out, Text::trim(rows.cell(r, c)));
            out.append(kCellClose);
        }
        out.append("</tr>");
    }
    out.append(kClosing);
    return out;
}

QString SpreadsheetDocument::save(const QString& path, const QByteArray& document)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(document) != document.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}
