#include "storage/TSchedaTrattamento.h"

#include "storage/RecordCodec.h"

namespace {
constexpr RecordCodec::Members<TSchedaTrattamento> kMembers = {
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
    return RecordCodec::encode(*this, kMembers);
}

TSchedaTrattamento TSchedaTrattamento::decode(const char* record)
{
    return RecordCodec::decode<TSchedaTrattamento>(record, kMembers);
}

QString TSchedaTrattamento::load(const char* record, Field field)
{
    return RecordCodec::load<TSchedaTrattamento>(record, field);
}
