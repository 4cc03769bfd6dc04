#pragma once

#include <QString>

class QWidget;

// The open-file dialog.
namespace FileDialog {
// The chosen file's full path, or an empty text when the user cancels.
QString getOpenFileName(QWidget* parent, const QString& title, const QString& filter);

// Test seam: in test mode no dialog is shown and the next call returns this
// name (empty: the user cancelled), then an empty text.
void setTestMode(bool on);
void setNextFileName(const QString& path);
void resetForTests();
} // namespace FileDialog
