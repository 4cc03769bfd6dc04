#include "reports/ListLine.h"
#include "reports/ListLines.h"

#include "app/Text.h"
#include "storage/Cp1252.h"

#include <QTest>

class ListLineTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void column_data();
    void column();
    void lastColumn_data();
    void lastColumn();
    void statusListLine();
    void storedColumn_data();
    void storedColumn();
    void storedBytesTrimAsTheirText();
    void linesKeepEveryCharacterOfTheArchives();
    void piecesOfEveryLengthComeBack();
    void linesMadeInSeveralWaysInOneList();
};

void ListLineTest::column_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");

    QTest::newRow("padded") << "ROSSI" << 10 << "ROSSI     ";
    QTest::newRow("cut") << "ROSSI MARIO1" << 10 << "ROSSI MARI";
    QTest::newRow("exact") << "ROSSI" << 5 << "ROSSI";
    QTest::newRow("trimmed first") << "\t  ROSSI \r\n" << 7 << "ROSSI  ";
    QTest::newRow("trim is on codes up to 32 only")
        << QStringLiteral("\u00A0ROSSI") << 7 << QStringLiteral("\u00A0ROSSI ");
    QTest::newRow("blanks") << "     " << 4 << "    ";
    QTest::newRow("empty") << "" << 3 << "   ";
    QTest::newRow("inner spaces kept") << "A  B" << 6 << "A  B  ";
    QTest::newRow("euro sign is one unit") << QStringLiteral("\u20AC 12,50") << 3 << QStringLiteral("\u20AC 1");
    QTest::newRow("accented letters are one unit")
        << QStringLiteral("Citt\u00E0") << 6 << QStringLiteral("Citt\u00E0 ");
    QTest::newRow("a pair of UTF-16 units counts two")
        << QStringLiteral("\U0001F600ab") << 3 << QStringLiteral("\U0001F600a");
}

void ListLineTest::column()
{
    QFETCH(QString, value);
    QFETCH(int, width);
    QFETCH(QString, expected);
    QCOMPARE(ListLine::column(value, width), expected);
    QString line = QStringLiteral("Data: ");
    ListLine::appendColumn(line, value, width);
    QCOMPARE(line, QStringLiteral("Data: ") + expected);
}

void ListLineTest::lastColumn_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("trimmed") << "  45,00 "
                             << "45,00";
    QTest::newRow("long values are not cut") << QString(300, QLatin1Char('x')) << QString(300, QLatin1Char('x'));
    QTest::newRow("blanks give nothing") << "    "
                                         << "";
}

void ListLineTest::lastColumn()
{
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QString line = QStringLiteral("  Importo: \u20AC ");
    ListLine::appendLast(line, value);
    QCOMPARE(line, QStringLiteral("  Importo: \u20AC ") + expected);
}

void ListLineTest::statusListLine()
{
    // The line of the status lists, built piece by piece as the screens do.
    QString line = QStringLiteral("Data: ");
    ListLine::appendColumn(line, QStringLiteral("10/05/2024"), 10);
    line += QStringLiteral("  Ora: ");
    ListLine::appendColumn(line, QStringLiteral("15:30"), 5);
    line += QStringLiteral("  ");
    ListLine::appendColumn(line, QStringLiteral("Pulizia viso e manicure completa con smalto semipermanente"), 42);
    line += QStringLiteral("  Cliente: ");
    ListLine::appendColumn(line, QStringLiteral(" Rossi Anna "), 30);
    line += QStringLiteral("  Cel. ");
    ListLine::appendColumn(line, QStringLiteral("333 1234567"), 14);
    line += QStringLiteral("  Importo: \u20AC ");
    ListLine::appendLast(line, QStringLiteral(" 45,00 "));

    QCOMPARE(line, QStringLiteral("Data: 10/05/2024  Ora: 15:30  Pulizia viso e manicure completa con smalt  Cliente: "
                                  "Rossi Anna                      Cel. 333 1234567     Importo: \u20AC 45,00"));
    QCOMPARE(line.size(), 152);
}

void ListLineTest::storedColumn_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");

    QTest::newRow("padded") << QByteArray("Rossi") << 10 << "Rossi     ";
    QTest::newRow("cut") << QByteArray("Rossi Mario") << 5 << "Rossi";
    QTest::newRow("blanks and controls trimmed") << QByteArray("\t  Rossi \r\n\0", 12) << 7 << "Rossi  ";
    QTest::newRow("Windows-1252") << QByteArray("Citt\xE0 \x80 5") << 10 << QStringLiteral("Citt\u00E0 \u20AC 5 ");
    QTest::newRow("undefined byte kept") << QByteArray::fromHex("8161") << 3 << QStringLiteral("\u0081a ");
    QTest::newRow("non-breaking space kept") << QByteArray::fromHex("a061a0") << 4 << QStringLiteral("\u00A0a\u00A0 ");
    QTest::newRow("empty") << QByteArray() << 2 << "  ";
}

void ListLineTest::storedColumn()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, width);
    QFETCH(QString, expected);
    const ListLine::Layout column{{"Data: ", width}};
    const ListLine::Layout last{{CP1252_EURO " ", ListLine::Unpadded}};
    ListLines lines;
    lines.appendStored(7, column, {stored});
    lines.appendStored(8, last, {stored});
    QCOMPARE(lines.line(0), QStringLiteral("Data: ") + expected);
    QCOMPARE(lines.line(1), QStringLiteral("\u20AC ") + Text::trim(Cp1252::decode(stored.constData(), stored.size())));
    QCOMPARE(lines.position(1), 8);
}

void ListLineTest::storedBytesTrimAsTheirText()
{
    // Every byte value at both ends: the stored column is the column of the
    // decoded text.
    for (int b = 0; b < 256; ++b) {
        const QByteArray stored = QByteArray(1, char(b)) + "ab" + QByteArray(1, char(b));
        const QString text = Cp1252::decode(stored.constData(), stored.size());
        const ListLine::Layout columns{{"", 5}, {" ", 1}, {" ", ListLine::Unpadded}};
        ListLines lines;
        lines.appendStored(1, columns, {stored, stored, stored});
        QString fromText;
        ListLine::appendColumn(fromText, text, 5);
        fromText += QLatin1Char(' ');
        ListLine::appendColumn(fromText, text, 1);
        fromText += QLatin1Char(' ');
        ListLine::appendLast(fromText, text);
        QCOMPARE(lines.line(0), fromText);
    }
}

void ListLineTest::linesKeepEveryCharacterOfTheArchives()
{
    // The lines are held in the archives' code page; each of its characters comes back.
    QByteArray every(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b)
        every[b] = char(b);
    const QString text = Cp1252::decode(every.constData(), every.size());
    ListLines lines;
    lines.append(text, 1);
    lines.append(QStringLiteral("Citt\u00E0  \u20AC 5"), 2);
    QCOMPARE(lines.line(0), text);
    QCOMPARE(lines.line(1), QStringLiteral("Citt\u00E0  \u20AC 5"));
    QByteArray buffer;
    QCOMPARE(lines.stored(1, buffer), QByteArrayView("Citt\xE0  \x80 5"));
}

void ListLineTest::piecesOfEveryLengthComeBack()
{
    // Every length a stored field can have, and plain lines longer still:
    // each piece is copied, cut and padded whatever its length.
    const ListLine::Layout columns{{"<", 40}, {"|", 255}, {"|", ListLine::Unpadded}};
    ListLines lines;
    QStringList wanted;
    for (int n = 0; n <= 255; ++n) {
        QByteArray field(n, Qt::Uninitialized);
        for (int i = 0; i < n; ++i)
            field[i] = char('a' + (n + i) % 26);
        const QString text = QString::fromLatin1(field);
        lines.appendStored(n, columns, {field, field, field});
        wanted << QStringLiteral("<") + ListLine::column(text, 40) + QStringLiteral("|") + ListLine::column(text, 255) +
                      QStringLiteral("|") + text;
    }
    for (int n = 250; n <= 300; ++n) {
        const QString text = QString(n, QLatin1Char('x')) + QString::number(n);
        lines.append(text, 1000 + n);
        wanted << text;
    }
    QCOMPARE(lines.size(), wanted.size());
    for (qsizetype row = 0; row < lines.size(); ++row)
        QCOMPARE(lines.line(row), wanted[row]);
}

void ListLineTest::linesMadeInSeveralWaysInOneList()
{
    // Lines of different layouts, and lines taken as they are, in turn in
    // one list: each keeps its own shape, its position and its place in the
    // sorted order.
    const ListLine::Layout data{{"Data: ", 10}, {"  ", 8}};
    const ListLine::Layout wider{{"Data: ", 12}, {"  ", 8}};
    const ListLine::Layout date{{"Date: ", 10}, {"  ", 8}};
    ListLines lines;
    lines.appendStored(1, data, {"10/05/2024", "Rossi"});
    lines.append(QStringLiteral("a line as it is"), 2);
    lines.appendStored(3, data, {"11/05/2024", "Verdi"});
    lines.appendStored(4, wider, {"12/05/2024", "Neri"});
    lines.appendStored(5, date, {"13/05/2024", "Bianchi"});
    lines.appendStored(6, data, {"09/05/2024", "Gialli"});
    const QStringList wanted{"Data: 10/05/2024  Rossi   ", "a line as it is", "Data: 11/05/2024  Verdi   ",
                             "Data: 12/05/2024    Neri    ", "Date: 13/05/2024  Bianchi ",
                             "Data: 09/05/2024  Gialli  "};
    for (qsizetype row = 0; row < lines.size(); ++row) {
        QCOMPARE(lines.line(row), wanted[row]);
        QCOMPARE(lines.position(row), row + 1);
    }
    lines.sortFolded();
    QList<qint64> order;
    for (qsizetype row = 0; row < lines.size(); ++row)
        order << lines.position(row);
    QCOMPARE(order, (QList<qint64>{2, 6, 1, 3, 4, 5}));
    QCOMPARE(lines.line(0), wanted[1]);
    QCOMPARE(lines.line(5), wanted[4]);
}

QTEST_APPLESS_MAIN(ListLineTest)
#include "ListLineTest.moc"
