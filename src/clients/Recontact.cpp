#include "clients/Recontact.h"

#include "app/Text.h"
#include "clients/ClientListLine.h"
#include "storage/RecordFile.h"
#include "storage/TSchedaCliente.h"

using Field = TSchedaCliente::Field;

bool Recontact::takes(const char* record)
{
    return TSchedaCliente::load(record, Field::Ricontatta) == Text::flagYes();
}

QString Recontact::line(const char* record)
{
    return ClientListLine::of(record, Field::Questioni);
}

Recontact::Loaded Recontact::load()
{
    Loaded loaded;
    const RecordFile::Status status =
        RecordFile::forEach(TSchedaCliente::fileName(), TSchedaCliente::Size, [&](qint64 index, const char* record) {
            if (takes(record))
                loaded.lines.append(line(record), index + 1);
            return true;
        });
    loaded.error = status.error;
    return loaded;
}
