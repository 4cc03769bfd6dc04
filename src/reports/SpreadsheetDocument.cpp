#include "reports/SpreadsheetDocument.h"

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
// A grid cell (UTF-8), trimmed, the same way: the ASCII that nearly all cells
// are goes across as it is, without making a text of the cell.
void appendCell(QByteArray& out, QByteArrayView utf8)
{
    // The characters of code 32 or less are single bytes in UTF-8.
    while (!utf8.isEmpty() && static_cast<unsigned char>(utf8.front()) <= 32)
        utf8 = utf8.sliced(1);
    while (!utf8.isEmpty() && static_cast<unsigned char>(utf8.back()) <= 32)
        utf8.chop(1);
    qsizetype i = 0;
    while (i < utf8.size()) {
        qsizetype end = i;
        while (end < utf8.size() && static_cast<unsigned char>(utf8[end]) < 0x80 && utf8[end] != '&' &&
               utf8[end] != '<' && utf8[end] != '>')
            ++end;
        out.append(utf8.sliced(i, end - i));
        i = end;
        if (i == utf8.size())
            break;
        // Markup characters and the runs beyond ASCII go through the text rule.
        while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) >= 0x80 || utf8[end] == '&' ||
                                     utf8[end] == '<' || utf8[end] == '>'))
            ++end;
        appendText(out, QString::fromUtf8(utf8.sliced(i, end - i)));
        i = end;
    }
}
} // namespace

bool SpreadsheetDocument::write(QIODevice& device, const QString& sheetName, const QList<GridColumn>& columns,
                                const GridRows& rows)
{
    constexpr qsizetype kChunk = 1 << 20;
    QByteArray out;
    out.reserve(kChunk + 64 * 1024);
    // Hands the chunk to the device once it is full (or at the end), keeping its buffer.
    const auto flush = [&](bool last) {
        if (out.size() < kChunk && !last)
            return true;
        const bool written = device.write(out) == out.size();
        out.resize(0);
        return written;
    };

    out.append(kOpening);
    appendText(out, sheetName);
    out.append(kAfterSheetName);
    for (const GridColumn& column : columns) {
        out.append(kHeaderCellOpen);
        out.append(QByteArray::number(column.fileWidth));
        out.append('>');
        appendText(out, column.fileTitle);
        out.append(kCellClose);
        if (!flush(false))
            return false;
    }
    out.append("</tr>");

    for (qsizetype r = 0; r < rows.size(); ++r) {
        out.append("<tr>");
        for (int c = 1; c <= columns.size(); ++c) {
            out.append(kDataCellOpen);
            appendCell(out, rows.utf8Cell(r, c));
            out.append(kCellClose);
        }
        out.append("</tr>");
        if (!flush(false))
            return false;
    }
    out.append(kClosing);
    return flush(true);
}

QString SpreadsheetDocument::save(const QString& path, const QString& sheetName, const QList<GridColumn>& columns,
                                  const GridRows& rows)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (!write(file, sheetName, columns, rows)) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}
