#include "storage/TSchedaCliente.h"

#include "storage/CountedText.h"

namespace {
using Member = QString TSchedaCliente::*;
constexpr Member kMembers[TSchedaCliente::FieldCount] = {
    &TSchedaCliente::Cliente,
    &TSchedaCliente::DataNasc,
    &TSchedaCliente::ComuneNasc,
    &TSchedaCliente::ProvNasc,
    &TSchedaCliente::Sesso,
    &TSchedaCliente::Recapito,
    &TSchedaCliente::IndirizzoRes,
    &TSchedaCliente::ProvRes,
    &TSchedaCliente::ComuneRes,
    &TSchedaCliente::CapRes,
    &TSchedaCliente::Estremi,
    &TSchedaCliente::TelCasa,
    &TSchedaCliente::TelUff,
    &TSchedaCliente::TelCel,
    &TSchedaCliente::Fax,
    &TSchedaCliente::Email,
    &TSchedaCliente::CodFisc,
    &TSchedaCliente::Carta,
    &TSchedaCliente::ScadeCarta,
    &TSchedaCliente::PartitaIva,
    &TSchedaCliente::Iban,
    &TSchedaCliente::Documento,
    &TSchedaCliente::Occupazione,
    &TSchedaCliente::Civile,
    &TSchedaCliente::Titoli,
    &TSchedaCliente::Prodotti,
    &TSchedaCliente::Zona,
    &TSchedaCliente::Questioni,
    &TSchedaCliente::Note,
    &TSchedaCliente::Ricontatta,
    &TSchedaCliente::File01,
    &TSchedaCliente::File02,
    &TSchedaCliente::File03,
    &TSchedaCliente::Desc01,
    &TSchedaCliente::Desc02,
    &TSchedaCliente::Desc03,
};
} // namespace

QString& TSchedaCliente::operator[](Field field)
{
    return this->*kMembers[static_cast<int>(field)];
}

const QString& TSchedaCliente::operator[](Field field) const
{
    return this->*kMembers[static_cast<int>(field)];
}

QByteArray TSchedaCliente::encode() const
{
    QByteArray record(Size, '\0');
    for (int i = 0; i < FieldCount; ++i)
        CountedText::store(record.data() + Layout[i].offset, Layout[i].capacity, this->*kMembers[i]);
    return record;
}

TSchedaCliente TSchedaCliente::decode(const char* record)
{
    TSchedaCliente decoded;
    for (int i = 0; i < FieldCount; ++i)
        decoded.*kMembers[i] = CountedText::load(record + Layout[i].offset, Layout[i].capacity);
    return decoded;
}

QString TSchedaCliente::load(const char* record, Field field)
{
    const FieldSpec s = spec(field);
    return CountedText::load(record + s.offset, s.capacity);
}

QByteArrayView TSchedaCliente::raw(const char* record, Field field)
{
    const FieldSpec s = spec(field);
    return CountedText::bytes(record + s.offset, s.capacity);
}
