#pragma once

#include "reports/ListLines.h"

#include <QString>

// The clients to recontact: those whose recontact flag, trimmed, is exactly
// "Sì". "No", an empty flag and anything else leave the client out.
namespace Recontact {
// record points at a stored client record.
bool takes(const char* record);
// A listed client's line ends with its pending issues.
void appendLine(ListLines& lines, qint64 position, const char* record);

struct Loaded
{
    // In file order, each line with its record's 1-based position.
    ListLines lines;
    // Empty when the whole archive was read; otherwise the lines read so far stay.
    QString error;
};
// Reads the client archive once and lists every client to recontact.
Loaded load();
} // namespace Recontact
