#include "access/PasswordStore.h"

#include "app/DataFolder.h"
#include "app/Text.h"

#include <QFile>
#include <QSaveFile>
#include <QStringConverter>
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

// The file's lines, without carriage returns, and how its text was encoded,
// so that writing it back keeps every other line as it was: a byte-order
// mark tells the encoding, otherwise UTF-8 where the bytes are UTF-8 and the
// bytes one by one where they are not (an ANSI file).
struct IniText {
    QStringList lines;
    QStringConverter::Encoding encoding = QStringConverter::Utf8;
    bool byteOrderMark = false;
};

IniText decode(const QByteArray& bytes)
{
    IniText ini;
    const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes);
    ini.byteOrderMark = marked.has_value();
    ini.encoding = marked.value_or(QStringConverter::Utf8);
    QStringDecoder decoder(ini.encoding);
    QString text = decoder(bytes);
    if (decoder.hasError()) {
        ini.encoding = QStringConverter::Latin1;
        text = QString::fromLatin1(bytes);
    }
    text.remove(QLatin1Char('\r'));
    ini.lines = text.split(QLatin1Char('\n'));
    if (!ini.lines.isEmpty() && ini.lines.constLast().isEmpty())
        ini.lines.removeLast();
    return ini;
}

QByteArray encode(const IniText& ini)
{
    QStringEncoder encoder(ini.encoding,
                           ini.byteOrderMark ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
    return encoder(ini.lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
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
    for (const QString& line : decode(file.readAll()).lines) {
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
    IniText ini;
    {
        QFile existing(path);
        if (existing.exists()) {
            // A file marked read-only is not replaced behind the mark's back
            // (the mark itself, not whether this user could override it).
            if (!(existing.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther)))
                return QStringLiteral("read-only");
            if (!existing.open(QIODevice::ReadOnly))
                return existing.errorString();
            ini = decode(existing.readAll());
        }
    }
    QStringList& lines = ini.lines;
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
    file.write(encode(ini));
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
