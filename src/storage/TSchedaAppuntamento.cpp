#include "storage/TSchedaAppuntamento.h"

#include "storage/RecordCodec.h"

namespace {
constexpr RecordCodec::Members<TSchedaAppuntamento> kMembers = {
    &TSchedaAppuntamento::Data,
    &TSchedaAppuntamento::OreApp,
    &TSchedaAppuntamento::MinutiApp,
    &TSchedaAppuntamento::Ora,
    &TSchedaAppuntamento::Avviso,
    &TSchedaAppuntamento::Tipologia,
    &TSchedaAppuntamento::Causale,
    &TSchedaAppuntamento::Dettagli,
    &TSchedaAppuntamento::Contatto,
    &TSchedaAppuntamento::Tel,
    &TSchedaAppuntamento::Cel,
    &TSchedaAppuntamento::Email,
    &TSchedaAppuntamento::Luogo,
    &TSchedaAppuntamento::Importo,
    &TSchedaAppuntamento::Note,
    &TSchedaAppuntamento::Ottemperata,
};
} // namespace

QString& TSchedaAppuntamento::operator[](Field field)
{
    return this->*kMembers[static_cast<int>(field)];
}

const QString& TSchedaAppuntamento::operator[](Field field) const
{
    return this->*kMembers[static_cast<int>(field)];
}

QByteArray TSchedaAppuntamento::encode() const
{
    return RecordCodec::encode(*this, kMembers);
}

TSchedaAppuntamento TSchedaAppuntamento::decode(const char* record)
{
    return RecordCodec::decode<TSchedaAppuntamento>(record, kMembers);
}

QString TSchedaAppuntamento::load(const char* record, Field field)
{
    return RecordCodec::load<TSchedaAppuntamento>(record, field);
}
