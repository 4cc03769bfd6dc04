#include "app/FileDialog.h"

#include <QFileDialog>

namespace {
bool s_testMode = false;
QString s_next;
} // namespace

QString FileDialog::getOpenFileName(QWidget* parent, const QString& title, const QString& filter)
{
    if (s_testMode) {
        const QString chosen = s_next;
        s_next.clear();
        return chosen;
    }
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

void FileDialog::setTestMode(bool on)
{
    s_testMode = on;
}

void FileDialog::setNextFileName(const QString& path)
{
    s_next = path;
}

void FileDialog::resetForTests()
{
    s_next.clear();
}
