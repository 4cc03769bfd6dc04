#include "storage/TSchedaTrattamento.h"

#include "storage/CountedText.h"

namespace {
using Member = QString TSchedaTrattamento::*;
constexpr Member kMembers[TSchedaTrattamento::FieldCount] = {
    &TSchedaTrattamento::Data,
    &TSchedaTrattamento::Ora,
    &TSchedaTrattamento::Trattamenti,
    &TSchedaTrattamento::Estetista,
    &TSchedaTrattamento::Importo,
};
} // namespace

QString TSchedaTrattamento::fileName(qint64 clientPosition)
{
    return QStringLiteral("Trattamenti_Cliente_") + QString::number(clientPosition) + QStringLiteral(".pro");
}

QString& TSchedaTrattamento::operator[](Field field)
{
    return this->*kMembers[static_cast<int>(field)];
}

const QString& TSchedaTrattamento::operator[](Field field) const
{
    return this->*kMembers[static_cast<int>(field)];
}

QByteArray TSchedaTrattamento::encode() const
{
    QByteArray record(Size, '\0');
    for (int i = 0; i < FieldCount; ++i)
        CountedText::store(record.data() + Layout[i].offset, Layout[i].capacity, this->*kMembers[i]);
    return record;
}

TSchedaTrattamento TSchedaTrattamento::decode(const char* record)
{
    TSchedaTrattamento decoded;
    for (int i = 0; i < FieldCount; ++i)
        decoded.*kMembers[i] = CountedText::load(record + Layout[i].offset, Layout[i].capacity);
    return decoded;
}

QString TSchedaTrattamento::load(const char* record, Field field)
{
    const FieldSpec s = spec(field);
    return CountedText::load(record + s.offset, s.capacity);
}

QByteArrayView TSchedaTrattamento::raw(const char* record, Field field)
{
    const FieldSpec s = spec(field);
    return CountedText::bytes(record + s.offset, s.capacity);
}
