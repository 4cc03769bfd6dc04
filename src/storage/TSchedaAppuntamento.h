#pragma once

#include "storage/CountedText.h"
#include "storage/FieldSpec.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The appointment record of "Archivio_Appuntamenti.pro".
// A fixed sequence of counted text fields and nothing else.
struct TSchedaAppuntamento {
    static constexpr int Size = 1265;
    // The archive in the data folder.
    static QString fileName() { return QStringLiteral("Archivio_Appuntamenti.pro"); }

    enum class Field { Data, OreApp, MinutiApp, Ora, Avviso, Tipologia, Causale, Dettagli, Contatto, Tel, Cel, Email, Luogo, Importo, Note, Ottemperata };
    static constexpr int FieldCount = 16;
    static constexpr FieldSpec Layout[FieldCount] = {
        {0, 10}, // Data
        {11, 2}, // OreApp
        {14, 2}, // MinutiApp
        {17, 5}, // Ora
        {23, 3}, // Avviso
        {27, 50}, // Tipologia
        {78, 250}, // Causale
        {329, 250}, // Dettagli
        {580, 50}, // Contatto
        {631, 30}, // Tel
        {662, 30}, // Cel
        {693, 50}, // Email
        {744, 250}, // Luogo
        {995, 15}, // Importo
        {1011, 250}, // Note
        {1262, 2}, // Ottemperata
    };
    static constexpr FieldSpec spec(Field field) { return Layout[static_cast<int>(field)]; }

    QString Data;
    QString OreApp;
    QString MinutiApp;
    QString Ora;
    QString Avviso;
    QString Tipologia;
    QString Causale;
    QString Dettagli;
    QString Contatto;
    QString Tel;
    QString Cel;
    QString Email;
    QString Luogo;
    QString Importo;
    QString Note;
    QString Ottemperata;

    QString& operator[](Field field);
    const QString& operator[](Field field) const;

    // The Size bytes of the record.
    QByteArray encode() const;
    // record points at Size bytes.
    static TSchedaAppuntamento decode(const char* record);
    // One field of a stored record, decoded and trimmed, without decoding the rest.
    static QString load(const char* record, Field field);
    // One field's meaningful bytes, undecoded and untrimmed.
    static QByteArrayView raw(const char* record, Field field)
    {
        return CountedText::bytes(record + spec(field).offset, spec(field).capacity);
    }
};
