#include "appointments/ChosenAppointment.h"

#include "appointments/TfrmArchivio_Scadenze.h"
#include "storage/RecordFile.h"
#include "storage/TSchedaAppuntamento.h"

bool ChosenAppointment::showOnCard(qint64 position)
{
    if (position < 1 || !frmArchivio_Scadenze)
        return false;
    const auto record = RecordFile::read(TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size, position - 1);
    if (!record)
        return false;
    frmArchivio_Scadenze->loadRecord(TSchedaAppuntamento::decode((*record).constData()), position);
    return true;
}
