#pragma once

#include "storage/TSchedaAppuntamento.h"

#include <QString>

// The records the storage tests write from several processes: every byte of
// a record follows from its writer's tag and its sequence number, so a record
// put together from two writes, or written twice, is told apart.
namespace StoragePattern {
inline QString identity(int tag, int sequence)
{
    return QStringLiteral("%1:%2;").arg(tag).arg(sequence);
}

inline QByteArray appointment(int tag, int sequence)
{
    const QString id = identity(tag, sequence);
    TSchedaAppuntamento record;
    for (int i = 0; i < TSchedaAppuntamento::FieldCount; ++i) {
        const int capacity = TSchedaAppuntamento::Layout[i].capacity;
        record[TSchedaAppuntamento::Field(i)] = id.repeated(capacity / int(id.size()) + 1).left(capacity);
    }
    return record.encode();
}

// The tag and sequence number of a record written by appointment(); false
// when the record is not one of them, whole.
inline bool parse(const char* bytes, int* tag, int* sequence)
{
    const QString id = TSchedaAppuntamento::load(bytes, TSchedaAppuntamento::Field::Contatto);
    const qsizetype colon = id.indexOf(QLatin1Char(':'));
    const qsizetype semicolon = id.indexOf(QLatin1Char(';'));
    if (colon <= 0 || semicolon <= colon)
        return false;
    bool tagOk = false;
    bool sequenceOk = false;
    *tag = id.left(colon).toInt(&tagOk);
    *sequence = id.mid(colon + 1, semicolon - colon - 1).toInt(&sequenceOk);
    return tagOk && sequenceOk && appointment(*tag, *sequence) == QByteArray(bytes, TSchedaAppuntamento::Size);
}
} // namespace StoragePattern
