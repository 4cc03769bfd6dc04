#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the code page the archives are written in.
namespace Cp1252 {
// Best fit for characters the code page lacks (a letter without its accent),
// otherwise "?".
QByteArray encode(const QString& text);
// Every byte decodes; the five bytes the code page leaves undefined decode to
// the control characters of the same code.
QString decode(const char* data, qsizetype size);
} // namespace Cp1252
