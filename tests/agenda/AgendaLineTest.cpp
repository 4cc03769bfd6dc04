#include "agenda/AgendaLine.h"
#include "appointments/AppointmentTesting.h"

#include <QTest>

using namespace StoredAppointment;

namespace {
QString spaces(int count)
{
    return QString(count, QLatin1Char(' '));
}
} // namespace

class AgendaLineTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void line_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("line");

        QTest::newRow("columns padded") << record({{Data, "10/05/2024"},
                                                   {OreApp, "15"},
                                                   {MinutiApp, "30"},
                                                   {Ora, "15:30"},
                                                   {Avviso, "3"},
                                                   {Tipologia, "Giulia"},
                                                   {Causale, "Manicure"},
                                                   {Dettagli, "Smalto rosso"},
                                                   {Contatto, "Rossi Anna"},
                                                   {Tel, "06 1234567"},
                                                   {Cel, "333 1234567"},
                                                   {Importo, "25,00"},
                                                   {Note, "Puntuale"},
                                                   {Ottemperata, no}})
                                        << "ID: 202405101530  Data: 10/05/2024  Ora: 15:30  Rossi Anna" + spaces(20) +
                                               "  Cel. 333 1234567" + spaces(3) + "  Manicure" + spaces(34) +
                                               QStringLiteral("  \u20AC 25,00");

        QTest::newRow("long values cut, the amount whole")
            << record({{Data, "01/12/2025"},
                       {OreApp, "09"},
                       {MinutiApp, "05"},
                       {Ora, "09:05"},
                       {Contatto, "Bianchi Maria Antonietta Carlotta"},
                       {Cel, "+39 333 1234567 89"},
                       {Causale, "Pulizia del viso, manicure, pedicure e ceretta completa"},
                       {Importo, "1234567890,00"},
                       {Ottemperata, no}})
            << "ID: 202512010905  Data: 01/12/2025  Ora: 09:05  Bianchi Maria Antonietta Carlo  Cel. +39 333 123456"
               "  Pulizia del viso, manicure, pedicure e cer" +
                   QStringLiteral("  \u20AC 1234567890,00");

        // Stored blanks and control characters around a value are trimmed away;
        // the text is Windows-1252.
        QTest::newRow("values trimmed, Windows-1252 decoded")
            << record({{Data, "10/05/2024"},
                       {OreApp, " 8"},
                       {MinutiApp, "00"},
                       {Ora, " 8:00"},
                       {Contatto, "  Nicol\xF2 Caf\xE9  "},
                       {Cel, "\x01"
                             "333"},
                       {Causale, "Trattamento \x80"},
                       {Importo, "  "},
                       {Ottemperata, no}})
            << "ID: 202405108"
               "00  Data: 10/05/2024  Ora: 8:00   " +
                   QStringLiteral("Nicol\u00F2 Caf\u00E9") + spaces(19) + "  Cel. 333" + spaces(11) + "  " +
                   QStringLiteral("Trattamento \u20AC") + spaces(29) + QStringLiteral("  \u20AC ");

        QTest::newRow("empty record") << QByteArray(Size, '\0')
                                      << "ID:   Data: " + spaces(10) + "  Ora: " + spaces(5) + "  " + spaces(30) +
                                             "  Cel. " + spaces(14) + "  " + spaces(42) + QStringLiteral("  \u20AC ");
    }

    void line()
    {
        QFETCH(QByteArray, record);
        QFETCH(QString, line);
        ListLines lines;
        AgendaLine::append(lines, 7, record.constData());
        QCOMPARE(lines.line(0), line);
        QCOMPARE(lines.position(0), 7);
    }
};

QTEST_GUILESS_MAIN(AgendaLineTest)
#include "AgendaLineTest.moc"
