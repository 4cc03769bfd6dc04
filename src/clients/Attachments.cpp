#include "clients/Attachments.h"

#include "app/DataFolder.h"
#include "app/Text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
bool fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}
} // namespace

QString Attachments::folder()
{
    return DataFolder::filePath(QStringLiteral("Documenti_Allegati/"));
}

QString Attachments::bareName(const QString& stored)
{
    const QString name = Text::trim(stored);
    qsizetype start = name.size();
    while (start > 0) {
        const QChar c = name.at(start - 1);
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':'))
            break;
        --start;
    }
    const QString bare = Text::trim(name.mid(start));
    if (bare == QLatin1String(".") || bare == QLatin1String(".."))
        return {};
    return bare;
}

QString Attachments::openText(const QString& stored)
{
    const QString bare = bareName(stored);
    if (bare.isEmpty())
        return {};
    return QLatin1Char('"') + folder() + bare + QLatin1Char('"');
}

bool Attachments::exists(const QString& name)
{
    return QFileInfo::exists(folder() + name);
}

bool Attachments::copyIn(const QString& source, const QString& name, QString* error)
{
    if (!QDir().mkpath(folder()))
        return fail(error, QStringLiteral("cannot create %1").arg(folder()));
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(error, in.errorString());
    QSaveFile out(folder() + name);
    if (!out.open(QIODevice::WriteOnly))
        return fail(error, out.errorString());
    char buffer[1 << 16];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0)
            return fail(error, in.errorString());
        if (n == 0)
            break;
        if (out.write(buffer, n) != n)
            return fail(error, out.errorString());
    }
    if (!out.commit())
        return fail(error, out.errorString());
    return true;
}
