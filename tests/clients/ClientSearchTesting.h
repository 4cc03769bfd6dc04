#pragma once

#include "appointments/StatusListsTesting.h"
#include "reports/ListBox.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QStringList>

// Hand-built client records of "Contatti.pro". The offsets of the stored format
// are written out here, so that the tests read the program's archive as the
// format lays it out and not through the program's own encoder.
namespace StoredClient {
constexpr int Size = 3372;
enum Offset {
    Cliente = 0,
    DataNasc = 51,
    ComuneNasc = 82,
    ProvNasc = 133,
    Sesso = 136,
    Recapito = 138,
    IndirizzoRes = 189,
    ProvRes = 240,
    ComuneRes = 243,
    CapRes = 294,
    Estremi = 300,
    TelCasa = 551,
    TelUff = 582,
    TelCel = 613,
    Fax = 644,
    Email = 675,
    CodFisc = 726,
    Carta = 743,
    ScadeCarta = 774,
    PartitaIva = 805,
    Iban = 817,
    Documento = 845,
    Occupazione = 966,
    Civile = 1017,
    Titoli = 1068,
    Prodotti = 1189,
    Zona = 1310,
    Questioni = 1361,
    Note = 1612,
    Ricontatta = 1863,
    File01 = 1866,
    File02 = 2117,
    File03 = 2368,
    Desc01 = 2619,
    Desc02 = 2870,
    Desc03 = 3121,
};
const QByteArray yes("S\xEC", 2);
const QByteArray no("No");

// A record of zeros with each field's length byte and its Windows-1252 bytes,
// exactly as given (spaces included).
inline QByteArray record(const QList<QPair<Offset, QByteArray>>& fields)
{
    QByteArray bytes(Size, '\0');
    for (const auto& [offset, text] : fields) {
        bytes[offset] = char(text.size());
        bytes.replace(offset + 1, text.size(), text);
    }
    return bytes;
}
} // namespace StoredClient

inline QStringList linesOf(const ListBox* list)
{
    QStringList lines;
    for (qsizetype row = 0; row < list->count(); ++row)
        lines.append(list->line(row));
    return lines;
}
