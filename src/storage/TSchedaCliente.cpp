#include "storage/TSchedaCliente.h"

#include "storage/RecordCodec.h"

namespace {
constexpr RecordCodec::Members<TSchedaCliente> kMembers = {
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
    return RecordCodec::encode(*this, kMembers);
}

TSchedaCliente TSchedaCliente::decode(const char* record)
{
    return RecordCodec::decode<TSchedaCliente>(record, kMembers);
}

QString TSchedaCliente::load(const char* record, Field field)
{
    return RecordCodec::load<TSchedaCliente>(record, field);
}
