#include "app/DataFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString s_override;

QString withSeparator(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}
} // namespace

QString DataFolder::path()
{
    if (!s_override.isEmpty())
        return withSeparator(s_override);
    return withSeparator(QCoreApplication::applicationDirPath());
}

QString DataFolder::filePath(const QString& name)
{
    return path() + name;
}

void DataFolder::setForTests(const QString& folder)
{
    s_override = QDir::cleanPath(QDir(folder).absolutePath());
}

void DataFolder::resetForTests()
{
    s_override.clear();
}
