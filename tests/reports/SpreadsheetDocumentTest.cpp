#include "reports/SpreadsheetDocument.h"
#include "reports/GridRows.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The document as the spreadsheet program expects it, piece by piece, for the
// sheet "Prova" with the two columns below.
const QByteArrayList kHead = {
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\">",
    "<head>",
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">",
    "<!--[if gte mso 9]><xml>",
    "<x:ExcelWorkbook>",
    "<x:ExcelWorksheets>",
    "<x:ExcelWorksheet>",
    "<x:Name>Prova</x:Name>",
    "<x:WorksheetOptions>",
    "<x:Selected/>",
    "<x:Panes>",
    "<x:Pane>",
    "<x:Number>1</x:Number>",
    "<x:ActiveRow>3</x:ActiveRow>",
    "</x:Pane>",
    "</x:Panes>",
    "<x:ProtectContents>False</x:ProtectContents>",
    "<x:ProtectObjects>False</x:ProtectObjects>",
    "<x:ProtectScenarios>False</x:ProtectScenarios>",
    "</x:WorksheetOptions>",
    "</x:ExcelWorksheet>",
    "</x:ExcelWorksheets>",
    "</x:ExcelWorkbook>",
    "</xml><![endif]-->",
    "</head>",
    "<body>",
    "<table x:str>",
    "<tr>",
    "<td style=\"text-align: left; font-weight: bold;\" width=180>Data appuntamento</td>",
    "<td style=\"text-align: left; font-weight: bold;\" width=300>Modalit\xE0 di pagamento</td>",
    "</tr>",
};
const QByteArrayList kTail = {"</table>", "</body>", "</html>"};

QList<GridColumn> twoColumns()
{
    return {{QStringLiteral("Data"), 130, QStringLiteral("Data appuntamento"), 180},
            {QStringLiteral("Pagamento"), 250, QStringLiteral("Modalit\u00E0 di pagamento"), 300}};
}

QByteArray cell(const QByteArray& value)
{
    return "<td style=\"text-align: left;\">" + value + "</td>";
}

QByteArray documentOf(const QString& sheetName, const QList<GridColumn>& columns, const GridRows& rows)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!SpreadsheetDocument::write(buffer, sheetName, columns, rows))
        return {};
    return buffer.data();
}

// Keeps nothing, remembers the largest single write.
class LargestWrite final : public QIODevice
{
public:
    qint64 largest = 0;
    qint64 total = 0;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        largest = qMax(largest, size);
        total += size;
        return size;
    }
};
} // namespace

class SpreadsheetDocumentTest : public QObject
{
    Q_OBJECT

private:
    // Compares piece by piece, so a difference names the piece it is in.
    static void comparePieces(const QByteArray& actual, const QByteArrayList& pieces)
    {
        qsizetype at = 0;
        for (const QByteArray& piece : pieces) {
            QCOMPARE(actual.mid(at, piece.size()), piece);
            at += piece.size();
        }
        QCOMPARE(at, actual.size());
    }

private Q_SLOTS:
    void documentPieceByPiece()
    {
        GridRows rows(3);
        rows.append({"1", "10/05/2024", "Contanti  "});
        rows.append({"2", " 11/05/2024", "Carta \x80 5, pi\xF9 tardi"});

        const QByteArray document = documentOf(QStringLiteral("Prova"), twoColumns(), rows);

        // Column 0, the row number, is not written; cells are trimmed.
        comparePieces(document, kHead +
                                    QByteArrayList{"<tr>", cell("10/05/2024"), cell("Contanti"), "</tr>", "<tr>",
                                                   cell("11/05/2024"), cell("Carta \x80 5, pi\xF9 tardi"), "</tr>"} +
                                    kTail);
        QVERIFY(!document.contains('\n'));
        QVERIFY(!document.contains('\r'));
    }

    void markupIsEscaped_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("less than") << QByteArray("prima <dopo") << QByteArray("prima &lt;dopo");
        QTest::newRow("ampersand") << QByteArray("Rossi & figli") << QByteArray("Rossi &amp; figli");
        QTest::newRow("tag") << QByteArray("<td>x</td>") << QByteArray("&lt;td&gt;x&lt;/td&gt;");
        QTest::newRow("entity stays text") << QByteArray("&amp;") << QByteArray("&amp;amp;");
        QTest::newRow("markup last") << QByteArray("a>") << QByteArray("a&gt;");
        QTest::newRow("quotes as they are") << QByteArray("l'\"olio\"") << QByteArray("l'\"olio\"");
        QTest::newRow("markup beside accents")
            << QByteArray("pi\xF9 <b> \x80 & \xE8") << QByteArray("pi\xF9 &lt;b&gt; \x80 &amp; \xE8");
        QTest::newRow("controls trimmed") << QByteArray("\t Rossi\xA0 \r\n") << QByteArray("Rossi\xA0");
    }

    void markupIsEscaped()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, written);
        GridRows rows(3);
        rows.append({"1", text, ""});

        const QByteArray document = documentOf(QStringLiteral("Prova"), twoColumns(), rows);

        comparePieces(document, kHead + QByteArrayList{"<tr>", cell(written), cell(""), "</tr>"} + kTail);
    }

    void sheetNameAndTitlesAreEscapedToo()
    {
        const QByteArray document =
            documentOf(QStringLiteral("A & B \u0141\u00F3d\u017A"), {{QStringLiteral("x"), 10, QStringLiteral("<x>"), 20}}, GridRows(2));
        // A character the code page lacks is written as its best fit.
        QVERIFY(document.contains("<x:Name>A &amp; B L\xF3" "dz</x:Name>"));
        QVERIFY(document.contains("width=20>&lt;x&gt;</td></tr></table>"));
    }

    void emptyRowsGiveEmptyCells()
    {
        GridRows rows(3);
        rows.appendEmpty(2);
        const QByteArray document = documentOf(QStringLiteral("Prova"), twoColumns(), rows);
        comparePieces(document,
                      kHead + QByteArrayList{"<tr>", cell(""), cell(""), "</tr>", "<tr>", cell(""), cell(""), "</tr>"} +
                          kTail);
    }

    void largeGridsAreWrittenInChunks()
    {
        // A grid of several megabytes goes out in pieces of about a megabyte,
        // and the pieces make the whole document.
        GridRows rows(3);
        const QByteArray notes(200, 'n');
        for (int i = 0; i < 20000; ++i)
            rows.append({QByteArray::number(i + 1), "10/05/2024", notes});
        LargestWrite device;
        device.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        QVERIFY(SpreadsheetDocument::write(device, QStringLiteral("Prova"), twoColumns(), rows));
        const QByteArray whole = documentOf(QStringLiteral("Prova"), twoColumns(), rows);
        QCOMPARE(device.total, whole.size());
        QVERIFY(whole.size() > 4 << 20);
        QVERIFY2(device.largest < (1 << 20) + (64 << 10), QByteArray::number(device.largest).constData());
        const QByteArray lastRow = "<tr>" + cell("10/05/2024") + cell(notes) + "</tr>";
        QVERIFY(whole.endsWith(QByteArray(lastRow + "</table></body></html>")));
    }

    void saveReplacesTheWholeFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Prova.xls"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(QByteArray(50000, 'x'));
        }
        GridRows rows(3);
        rows.append({"1", "10/05/2024", "Contanti"});
        QCOMPARE(SpreadsheetDocument::save(path, QStringLiteral("Prova"), twoColumns(), rows), QString());
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), documentOf(QStringLiteral("Prova"), twoColumns(), rows));
        // No temporary file is left behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Prova.xls")});
    }

    void saveFailureIsReported()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Prova.xls"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Prova.xls")));
        QVERIFY(!SpreadsheetDocument::save(path, QStringLiteral("Prova"), twoColumns(), GridRows(3)).isEmpty());
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }
};

QTEST_GUILESS_MAIN(SpreadsheetDocumentTest)
#include "SpreadsheetDocumentTest.moc"
