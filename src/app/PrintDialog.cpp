#include "app/PrintDialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {
bool s_testMode = false;
QString s_nextPdf;
int s_previews = 0;

bool takeTestPdf(QPrinter& printer)
{
    if (s_nextPdf.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(s_nextPdf);
    s_nextPdf.clear();
    return true;
}
} // namespace

bool PrintDialog::exec(QPrinter& printer, QWidget* parent)
{
    if (s_testMode)
        return takeTestPdf(printer);
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void PrintDialog::preview(QPrinter& printer, QWidget* parent, const std::function<void(QPrinter*)>& render)
{
    if (s_testMode) {
        ++s_previews;
        if (takeTestPdf(printer))
            render(&printer);
        return;
    }
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    // The pages are laid out for their own paper and orientation; the preview
    // only shows and prints them.
    const QStringList setup{QCoreApplication::translate("QPrintPreviewDialog", "Portrait"),
                            QCoreApplication::translate("QPrintPreviewDialog", "Landscape"),
                            QCoreApplication::translate("QPrintPreviewDialog", "Page setup")};
    for (QAction* action : dialog.findChildren<QAction*>())
        if (setup.contains(action->text()))
            action->setVisible(false);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* p) { render(p); });
    dialog.exec();
}

void PrintDialog::setTestMode(bool on)
{
    s_testMode = on;
}

void PrintDialog::setNextPdf(const QString& path)
{
    s_nextPdf = path;
}

int PrintDialog::previewCount()
{
    return s_previews;
}

void PrintDialog::resetForTests()
{
    s_nextPdf.clear();
    s_previews = 0;
}
