#include "clients/Recontact.h"

#include "clients/ClientListLine.h"
#include "storage/CountedText.h"
#include "storage/RecordFile.h"
#include "storage/TSchedaCliente.h"

using Field = TSchedaCliente::Field;

bool Recontact::takes(const char* record)
{
    // "S\xEC" is "S\u00EC" in the archives' code page.
    return CountedText::same(CountedText::trimmed(TSchedaCliente::raw(record, Field::Ricontatta)), "S\xEC");
}

void Recontact::appendLine(ListLines& lines, qint64 position, const char* record)
{
    ClientListLine::append(lines, position, record, Field::Questioni);
}

LoadedLines Recontact::load()
{
    LoadedLines loaded;
    const RecordFile::Status status =
        RecordFile::forEach(TSchedaCliente::fileName(), TSchedaCliente::Size, takes, [&](qint64 index, const char* record) {
            appendLine(loaded.lines, index + 1, record);
            return true;
        });
    loaded.error = status.error;
    return loaded;
}
