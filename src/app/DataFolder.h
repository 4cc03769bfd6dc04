#pragma once

#include <QString>

// The folder that holds the archives: the program's own folder, so that copying
// the folder copies the whole installation.
namespace DataFolder {
// The folder with a trailing "/".
QString path();
// path() + name.
QString filePath(const QString& name);

// Test seam: use another folder (a fresh temporary one) instead.
void setForTests(const QString& folder);
void resetForTests();
} // namespace DataFolder
