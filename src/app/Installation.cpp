#include "app/Installation.h"

#include "app/DataFolder.h"
#include "app/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryFile>

namespace {
bool writable(const QString& folder)
{
    QTemporaryFile probe(folder + QStringLiteral(".brivanta-XXXXXX"));
    return probe.open();
}

QString personalFolder()
{
    return QDir::homePath() + QStringLiteral("/Brivanta");
}

// Copies every file of the program's folder; existing files are kept.
bool copyProgram(const QString& from, const QString& to)
{
    if (!QDir().mkpath(to))
        return false;
    const QFileInfoList files = QDir(from).entryInfoList(QDir::Files);
    for (const QFileInfo& file : files) {
        const QString target = to + QLatin1Char('/') + file.fileName();
        if (QFileInfo::exists(target))
            continue;
        if (!QFile::copy(file.absoluteFilePath(), target))
            return false;
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    }
    return true;
}

bool start(const QString& folder)
{
    return QProcess::startDetached(folder + QLatin1Char('/') + QFileInfo(QCoreApplication::applicationFilePath()).fileName(),
                                   {}, folder);
}
} // namespace

bool Installation::ensureWritableFolder()
{
    const QString folder = DataFolder::path();
    if (writable(folder))
        return true;
    const QString personal = personalFolder();
    if (QFileInfo(personal).isDir() && writable(personal + QLatin1Char('/')) && start(personal))
        return false;
    const QString question =
        QStringLiteral("La cartella del programma (%1) non consente la scrittura: gli archivi di clienti e "
                       "appuntamenti non potrebbero essere salvati.\n\nSi desidera creare una copia personale di "
                       "Brivanta nella cartella %2 e usare quella? Gli archivi saranno custoditi in quella cartella; "
                       "per un backup basta copiarla.")
            .arg(QDir::toNativeSeparators(folder), QDir::toNativeSeparators(personal));
    if (Messages::confirm(nullptr, question)) {
        if (copyProgram(folder, personal) && start(personal))
            return false;
        Messages::error(nullptr, QStringLiteral("Attenzione: non \u00E8 stato possibile creare la copia personale "
                                                "nella cartella %1.")
                                     .arg(QDir::toNativeSeparators(personal)));
    }
    Messages::information(nullptr, QStringLiteral("Brivanta si apre in sola consultazione: i salvataggi non "
                                                  "saranno possibili finch\u00E9 la cartella %1 non sar\u00E0 "
                                                  "scrivibile.")
                                       .arg(QDir::toNativeSeparators(folder)));
    return true;
}
