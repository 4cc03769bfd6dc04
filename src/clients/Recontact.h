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

// Reads the client archive once and lists every client to recontact.
LoadedLines load();
} // namespace Recontact
