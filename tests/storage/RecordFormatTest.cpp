#include "app/Text.h"
#include "storage/TSchedaAppuntamento.h"
#include "storage/TSchedaCliente.h"
#include "storage/TSchedaTrattamento.h"

#include <QTest>
#include <vector>

// The three record formats against records built here byte by byte from the
// published layouts: every field at its offset with its capacity.
class RecordFormatTest : public QObject
{
    Q_OBJECT

private:
    struct Column
    {
        const char* name;
        int offset;
        int capacity;
    };

    // A record whose every field is full to its capacity with a character of
    // its own, so a field read from a wrong offset or with a wrong capacity
    // picks up a neighbour's character.
    static QByteArray fullRecord(int size, const std::vector<Column>& columns)
    {
        QByteArray bytes(size, '\0');
        int end = 0;
        for (size_t i = 0; i < columns.size(); ++i) {
            const Column& c = columns[i];
            bytes[c.offset] = char(c.capacity);
            bytes.replace(c.offset + 1, c.capacity, QByteArray(c.capacity, fieldChar(i)));
            end = c.offset + c.capacity + 1;
        }
        return end == size ? bytes : QByteArray();
    }

    static char fieldChar(size_t i) { return "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"[i]; }

    template <class Record> static void checkLayout(const std::vector<Column>& columns)
    {
        QCOMPARE(int(columns.size()), Record::FieldCount);
        const QByteArray bytes = fullRecord(Record::Size, columns);
        QCOMPARE(bytes.size(), Record::Size);
        const Record decoded = Record::decode(bytes.constData());
        for (size_t i = 0; i < columns.size(); ++i) {
            const auto field = typename Record::Field(i);
            const QString expected(columns[i].capacity, QLatin1Char(fieldChar(i)));
            QVERIFY2(decoded[field] == expected, columns[i].name);
            QVERIFY2(Record::load(bytes.constData(), field) == expected, columns[i].name);
            QVERIFY2(Record::raw(bytes.constData(), field) == expected.toLatin1(), columns[i].name);
        }
        QCOMPARE(decoded.encode(), bytes);
    }

    // The bytes of one stored field of a freshly encoded record.
    template <class Record> static QByteArray storedField(typename Record::Field field, const QString& text)
    {
        Record record;
        record[field] = text;
        const FieldSpec s = Record::spec(field);
        return record.encode().mid(s.offset, s.capacity + 1);
    }

private Q_SLOTS:
    void clientLayout()
    {
        checkLayout<TSchedaCliente>({
            {"Cliente", 0, 50},     {"DataNasc", 51, 30},    {"ComuneNasc", 82, 50},    {"ProvNasc", 133, 2},
            {"Sesso", 136, 1},      {"Recapito", 138, 50},   {"IndirizzoRes", 189, 50}, {"ProvRes", 240, 2},
            {"ComuneRes", 243, 50}, {"CapRes", 294, 5},      {"Estremi", 300, 250},     {"TelCasa", 551, 30},
            {"TelUff", 582, 30},    {"TelCel", 613, 30},     {"Fax", 644, 30},          {"Email", 675, 50},
            {"CodFisc", 726, 16},   {"Carta", 743, 30},      {"ScadeCarta", 774, 30},   {"PartitaIva", 805, 11},
            {"Iban", 817, 27},      {"Documento", 845, 120}, {"Occupazione", 966, 50},  {"Civile", 1017, 50},
            {"Titoli", 1068, 120},  {"Prodotti", 1189, 120}, {"Zona", 1310, 50},        {"Questioni", 1361, 250},
            {"Note", 1612, 250},    {"Ricontatta", 1863, 2}, {"File01", 1866, 250},     {"File02", 2117, 250},
            {"File03", 2368, 250},  {"Desc01", 2619, 250},   {"Desc02", 2870, 250},     {"Desc03", 3121, 250},
        });
    }

    void appointmentLayout()
    {
        checkLayout<TSchedaAppuntamento>({
            {"Data", 0, 10},
            {"OreApp", 11, 2},
            {"MinutiApp", 14, 2},
            {"Ora", 17, 5},
            {"Avviso", 23, 3},
            {"Tipologia", 27, 50},
            {"Causale", 78, 250},
            {"Dettagli", 329, 250},
            {"Contatto", 580, 50},
            {"Tel", 631, 30},
            {"Cel", 662, 30},
            {"Email", 693, 50},
            {"Luogo", 744, 250},
            {"Importo", 995, 15},
            {"Note", 1011, 250},
            {"Ottemperata", 1262, 2},
        });
    }

    void treatmentLayout()
    {
        checkLayout<TSchedaTrattamento>({
            {"Data", 0, 10},
            {"Ora", 11, 5},
            {"Trattamenti", 17, 50},
            {"Estetista", 68, 28},
            {"Importo", 97, 15},
        });
    }

    void flagsAtTheirBytes()
    {
        using C = TSchedaCliente::Field;
        using A = TSchedaAppuntamento::Field;
        TSchedaCliente client;
        client.Ricontatta = Text::flagYes();
        QCOMPARE(client.encode().mid(1863, 3), QByteArray("\x02\x53\xEC"));
        QCOMPARE(storedField<TSchedaCliente>(C::Ricontatta, Text::flagNo()), QByteArray("\x02\x4E\x6F"));
        QCOMPARE(storedField<TSchedaAppuntamento>(A::Ottemperata, Text::flagYes()), QByteArray("\x02\x53\xEC"));
        TSchedaAppuntamento appointment;
        appointment.Ottemperata = Text::flagNo();
        QCOMPARE(appointment.encode().mid(1262, 3), QByteArray("\x02\x4E\x6F"));
    }

    void storedFieldsAreTrimmedAndCut()
    {
        using A = TSchedaAppuntamento::Field;
        using T = TSchedaTrattamento::Field;
        QCOMPARE(storedField<TSchedaAppuntamento>(A::Ora, QStringLiteral("09:05")), QByteArray("\x05"
                                                                                               "09:05"));
        QCOMPARE(storedField<TSchedaAppuntamento>(A::Causale, QString(300, QLatin1Char('c'))),
                 QByteArray("\xFA") + QByteArray(250, 'c'));
        QCOMPARE(storedField<TSchedaCliente>(TSchedaCliente::Field::Cliente, QStringLiteral("  Rossi  ")),
                 QByteArray("\x05Rossi") + QByteArray(45, '\0'));
        QCOMPARE(storedField<TSchedaTrattamento>(T::Trattamenti, QString(60, QLatin1Char('t'))),
                 QByteArray("\x32") + QByteArray(50, 't'));
        QCOMPARE(storedField<TSchedaTrattamento>(T::Importo, QStringLiteral("12,50")), QByteArray("\x05"
                                                                                                  "12,50") +
                                                                                           QByteArray(10, '\0'));
    }

    void damagedLengthBytesStayInTheirField()
    {
        // Every length byte at 255, every field full of its own character:
        // each field still reads its own capacity and nothing of the next.
        QByteArray bytes(TSchedaAppuntamento::Size, '\0');
        for (int i = 0; i < TSchedaAppuntamento::FieldCount; ++i) {
            const FieldSpec s = TSchedaAppuntamento::Layout[i];
            bytes[s.offset] = char(0xFF);
            bytes.replace(s.offset + 1, s.capacity, QByteArray(s.capacity, fieldChar(size_t(i))));
        }
        const TSchedaAppuntamento decoded = TSchedaAppuntamento::decode(bytes.constData());
        QCOMPARE(decoded.Ora, QStringLiteral("DDDDD"));
        QCOMPARE(decoded.Ottemperata, QStringLiteral("PP"));
        QCOMPARE(decoded.Causale, QString(250, QLatin1Char('G')));
    }

    void treatmentsFileName()
    {
        QCOMPARE(TSchedaTrattamento::fileName(12), QStringLiteral("Trattamenti_Cliente_12.pro"));
        QCOMPARE(TSchedaTrattamento::fileName(1), QStringLiteral("Trattamenti_Cliente_1.pro"));
        QCOMPARE(TSchedaCliente::fileName(), QStringLiteral("Contatti.pro"));
        QCOMPARE(TSchedaAppuntamento::fileName(), QStringLiteral("Archivio_Appuntamenti.pro"));
    }
};

QTEST_GUILESS_MAIN(RecordFormatTest)
#include "RecordFormatTest.moc"
