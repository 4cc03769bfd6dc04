#include "access/PasswordStore.h"

#include "app/DataFolder.h"
#include "app/Text.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace {
const QString kSection = QStringLiteral("Accesso");
const QString kKey = QStringLiteral("Valore");

QString sectionName(const QString& line)
{
    const QString t = line.trimmed();
    if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')))
        return t.mid(1, t.size() - 2).trimmed();
    return QString();
}

bool isSection(const QString& line)
{
    return !sectionName(line).isNull();
}

// The key of a "key=value" line, or a null text.
QString keyOf(const QString& line)
{
    const int eq = int(line.indexOf(QLatin1Char('=')));
    if (eq < 0 || line.trimmed().startsWith(QLatin1Char(';')))
        return QString();
    return line.left(eq).trimmed();
}

// The file's lines, without a byte-order mark or carriage returns.
QStringList linesOf(const QByteArray& bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.remove(QLatin1Char('\r'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

bool sameName(const QString& a, const QString& b)
{
    // INI names are compared without regard to case, as the platform's INI files are.
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
} // namespace

QString PasswordStore::fileName()
{
    return QStringLiteral("unins000.dll");
}

PasswordStore::ReadResult PasswordStore::read()
{
    QFile file(DataFolder::filePath(fileName()));
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return {QString(), file.errorString()};
    bool inSection = false;
    for (const QString& line : linesOf(file.readAll())) {
        if (isSection(line)) {
            inSection = sameName(sectionName(line), kSection);
            continue;
        }
        if (inSection && sameName(keyOf(line), kKey))
            return {line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed(), QString()};
    }
    return {};
}

QString PasswordStore::write(const QString& value)
{
    const QString path = DataFolder::filePath(fileName());
    QStringList lines;
    {
        QFile existing(path);
        if (existing.exists()) {
            if (!existing.open(QIODevice::ReadOnly))
                return existing.errorString();
            lines = linesOf(existing.readAll());
        }
    }
    const QString entry = kKey + QLatin1Char('=') + value;
    int sectionAt = -1;
    bool written = false;
    for (int i = 0; i < lines.size() && !written; ++i) {
        if (isSection(lines.at(i))) {
            if (sectionAt >= 0)
                break;
            if (sameName(sectionName(lines.at(i)), kSection))
                sectionAt = i;
            continue;
        }
        if (sectionAt >= 0 && sameName(keyOf(lines.at(i)), kKey)) {
            lines[i] = entry;
            written = true;
        }
    }
    if (!written) {
        if (sectionAt < 0) {
            lines.append(QLatin1Char('[') + kSection + QLatin1Char(']'));
            lines.append(entry);
        } else {
            lines.insert(sectionAt + 1, entry);
        }
    }
    // Written beside the old file and renamed over it, flushed to the disk
    // first: a failure leaves the old password in place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    file.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    if (!file.commit())
        return file.errorString();
    return QString();
}

QString PasswordStore::normalise(const QString& typed)
{
    QString upper = typed;
    for (QChar& c : upper)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return Text::trim(upper);
}
