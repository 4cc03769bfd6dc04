#include "clients/ChosenClient.h"

#include "appointments/TfrmArchivio_Scadenze.h"
#include "clients/TfrmClienti.h"
#include "storage/RecordFile.h"
#include "storage/TSchedaCliente.h"

#include <optional>

namespace {
std::optional<TSchedaCliente> readClient(qint64 position)
{
    if (position < 1)
        return std::nullopt;
    const auto record = RecordFile::read(TSchedaCliente::fileName(), TSchedaCliente::Size, position - 1);
    if (!record)
        return std::nullopt;
    return TSchedaCliente::decode((*record).constData());
}
} // namespace

bool ChosenClient::showOnCard(qint64 position)
{
    if (!frmClienti)
        return false;
    const std::optional<TSchedaCliente> client = readClient(position);
    if (!client)
        return false;
    frmClienti->loadRecord(*client, position);
    return true;
}

bool ChosenClient::copyContactsToAppointment(qint64 position)
{
    if (!frmArchivio_Scadenze)
        return false;
    const std::optional<TSchedaCliente> client = readClient(position);
    if (!client)
        return false;
    // Decoded fields are already trimmed.
    frmArchivio_Scadenze->txtContatto->setText(client->Cliente);
    frmArchivio_Scadenze->txtTel->setText(client->Recapito);
    frmArchivio_Scadenze->txtCel->setText(client->TelCel);
    frmArchivio_Scadenze->txtEmail->setText(client->Email);
    frmArchivio_Scadenze->txtLuogo->setText(client->Estremi);
    return true;
}
