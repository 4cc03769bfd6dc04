#include "storage/TSchedaAppuntamento.h"

#include "storage/CountedText.h"

namespace {
using Member = QString TSchedaAppuntamento::*;
constexpr Member kMembers[TSchedaAppuntamento::FieldCount] = {
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
    QByteArray record(Size, '\0');
    for (int i = 0; i < FieldCount; ++i)
        CountedText::store(record.data() + Layout[i].offset, Layout[i].capacity, this->*kMembers[i]);
    return record;
}

TSchedaAppuntamento TSchedaAppuntamento::decode(const char* record)
{
    TSchedaAppuntamento decoded;
    for (int i = 0; i < FieldCount; ++i)
        decoded.*kMembers[i] = CountedText::load(record + Layout[i].offset, Layout[i].capacity);
    return decoded;
}

QString TSchedaAppuntamento::load(const char* record, Field field)
{
    const FieldSpec s = spec(field);
    return CountedText::load(record + s.offset, s.capacity);
}

QByteArrayView TSchedaAppuntamento::raw(const char* record, Field field)
{
    const FieldSpec s = spec(field);
    return CountedText::bytes(record + s.offset, s.capacity);
}
