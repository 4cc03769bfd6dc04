#include "app/TMisc.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
bool s_testMode = false;
QStringList s_opened;

QUrl urlFor(const QString& target)
{
    const QUrl url(target, QUrl::TolerantMode);
    // A Windows drive letter parses as a one-letter scheme; treat it as a path.
    if (url.scheme().size() > 1)
        return url;
    return QUrl::fromLocalFile(target);
}
} // namespace

void TMisc::Open(const QString& text)
{
    QString target = text;
    if (target.size() >= 2 && target.startsWith(QLatin1Char('"')) && target.endsWith(QLatin1Char('"')))
        target = target.mid(1, target.size() - 2);
    s_opened.append(target);
    if (s_testMode)
        return;
    QDesktopServices::openUrl(urlFor(target));
}

void TMisc::setTestMode(bool on)
{
    s_testMode = on;
}

QStringList TMisc::opened()
{
    return s_opened;
}

void TMisc::resetForTests()
{
    s_opened.clear();
}
