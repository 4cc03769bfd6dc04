#include "reports/SpreadsheetDocument.h"

#include "reports/GridRows.h"
#include "storage/Cp1252.h"
#include "storage/CountedText.h"

#include <QSaveFile>

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

// Windows-1252 bytes, with the three characters that would be read as markup
// written as entities. Written straight into the document's buffer: an
// export writes millions of cells, and nearly all of their bytes go across
// as they are.
void appendEscaped(QByteArray& out, QByteArrayView text)
{
    while (!text.isEmpty()) {
        qsizetype plain = 0;
        while (plain < text.size() && text[plain] != '&' && text[plain] != '<' && text[plain] != '>')
            ++plain;
        out.append(text.first(plain));
        if (plain == text.size())
            break;
        out.append(text[plain] == '&' ? "&amp;" : (text[plain] == '<' ? "&lt;" : "&gt;"));
        text = text.sliced(plain + 1);
    }
}

// A text of the program's own (the sheet name, a title), with best fits for
// the characters the code page lacks.
void appendText(QByteArray& out, const QString& text)
{
    appendEscaped(out, Cp1252::encode(text));
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
            appendEscaped(out, CountedText::trimmed(rows.stored(r, c)));
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
