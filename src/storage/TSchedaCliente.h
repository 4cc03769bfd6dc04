#pragma once

#include "storage/CountedText.h"
#include "storage/FieldSpec.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The client record of "Contatti.pro"; a client's identity is its 1-based position.
// A fixed sequence of counted text fields and nothing else.
struct TSchedaCliente {
    static constexpr int Size = 3372;
    // The archive in the data folder.
    static QString fileName() { return QStringLiteral("Contatti.pro"); }

    enum class Field { Cliente, DataNasc, ComuneNasc, ProvNasc, Sesso, Recapito, IndirizzoRes, ProvRes, ComuneRes, CapRes, Estremi, TelCasa, TelUff, TelCel, Fax, Email, CodFisc, Carta, ScadeCarta, PartitaIva, Iban, Documento, Occupazione, Civile, Titoli, Prodotti, Zona, Questioni, Note, Ricontatta, File01, File02, File03, Desc01, Desc02, Desc03 };
    static constexpr int FieldCount = 36;
    static constexpr FieldSpec Layout[FieldCount] = {
        {0, 50}, // Cliente
        {51, 30}, // DataNasc
        {82, 50}, // ComuneNasc
        {133, 2}, // ProvNasc
        {136, 1}, // Sesso
        {138, 50}, // Recapito
        {189, 50}, // IndirizzoRes
        {240, 2}, // ProvRes
        {243, 50}, // ComuneRes
        {294, 5}, // CapRes
        {300, 250}, // Estremi
        {551, 30}, // TelCasa
        {582, 30}, // TelUff
        {613, 30}, // TelCel
        {644, 30}, // Fax
        {675, 50}, // Email
        {726, 16}, // CodFisc
        {743, 30}, // Carta
        {774, 30}, // ScadeCarta
        {805, 11}, // PartitaIva
        {817, 27}, // Iban
        {845, 120}, // Documento
        {966, 50}, // Occupazione
        {1017, 50}, // Civile
        {1068, 120}, // Titoli
        {1189, 120}, // Prodotti
        {1310, 50}, // Zona
        {1361, 250}, // Questioni
        {1612, 250}, // Note
        {1863, 2}, // Ricontatta
        {1866, 250}, // File01
        {2117, 250}, // File02
        {2368, 250}, // File03
        {2619, 250}, // Desc01
        {2870, 250}, // Desc02
        {3121, 250}, // Desc03
    };
    static constexpr FieldSpec spec(Field field) { return Layout[static_cast<int>(field)]; }

    QString Cliente;
    QString DataNasc;
    QString ComuneNasc;
    QString ProvNasc;
    QString Sesso;
    QString Recapito;
    QString IndirizzoRes;
    QString ProvRes;
    QString ComuneRes;
    QString CapRes;
    QString Estremi;
    QString TelCasa;
    QString TelUff;
    QString TelCel;
    QString Fax;
    QString Email;
    QString CodFisc;
    QString Carta;
    QString ScadeCarta;
    QString PartitaIva;
    QString Iban;
    QString Documento;
    QString Occupazione;
    QString Civile;
    QString Titoli;
    QString Prodotti;
    QString Zona;
    QString Questioni;
    QString Note;
    QString Ricontatta;
    QString File01;
    QString File02;
    QString File03;
    QString Desc01;
    QString Desc02;
    QString Desc03;

    QString& operator[](Field field);
    const QString& operator[](Field field) const;

    // The Size bytes of the record.
    QByteArray encode() const;
    // record points at Size bytes.
    static TSchedaCliente decode(const char* record);
    // One field of a stored record, decoded and trimmed, without decoding the rest.
    static QString load(const char* record, Field field);
    // One field's meaningful bytes, undecoded and untrimmed.
    static QByteArrayView raw(const char* record, Field field)
    {
        return CountedText::bytes(record + spec(field).offset, spec(field).capacity);
    }
};
