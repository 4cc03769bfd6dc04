#pragma once

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

// The print dialog and the print preview window.
namespace PrintDialog {
// Lets the user choose and set up the printer; false when the user cancels.
bool exec(QPrinter& printer, QWidget* parent);
// Shows the modal preview; render paints every page onto the printer it is given.
void preview(QPrinter& printer, QWidget* parent, const std::function<void(QPrinter*)>& render);

// Test seam. In test mode no window is shown: exec() sends the pages into the
// PDF file set with setNextPdf() (no file set: the user cancels), and preview()
// records the call and renders into that file when one is set.
void setTestMode(bool on);
void setNextPdf(const QString& path);
int previewCount();
void resetForTests();
} // namespace PrintDialog
