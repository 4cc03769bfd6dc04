#pragma once

#include "storage/CountedText.h"
#include "storage/FieldSpec.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// One service given to a client, in the client's own treatments file.
// A fixed sequence of counted text fields and nothing else.
struct TSchedaTrattamento {
    static constexpr int Size = 113;
    // "Trattamenti_Cliente_" + the client position + ".pro".
    static QString fileName(qint64 clientPosition);

    enum class Field { Data, Ora, Trattamenti, Estetista, Importo };
    static constexpr int FieldCount = 5;
    static constexpr FieldSpec Layout[FieldCount] = {
        {0, 10}, // Data
        {11, 5}, // Ora
        {17, 50}, // Trattamenti
        {68, 28}, // Estetista
        {97, 15}, // Importo
    };
    static constexpr FieldSpec spec(Field field) { return Layout[static_cast<int>(field)]; }

    QString Data;
    QString Ora;
    QString Trattamenti;
    QString Estetista;
    QString Importo;

    QString& operator[](Field field);
    const QString& operator[](Field field) const;

    // The Size bytes of the record.
    QByteArray encode() const;
    // record points at Size bytes.
    static TSchedaTrattamento decode(const char* record);
    // One field of a stored record, decoded and trimmed, without decoding the rest.
    static QString load(const char* record, Field field);
    // One field's meaningful bytes, undecoded and untrimmed.
    static QByteArrayView raw(const char* record, Field field)
    {
        return CountedText::bytes(record + spec(field).offset, spec(field).capacity);
    }
};
