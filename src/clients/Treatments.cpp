#include "clients/Treatments.h"

#include "app/Text.h"
#include "appointments/Amount.h"
#include "reports/ListLine.h"

namespace {
int width(TSchedaTrattamento::Field field)
{
    return TSchedaTrattamento::spec(field).capacity;
}
} // namespace

QString Treatments::fileName(const QString& position)
{
    const QString digits = Text::trim(position);
    bool ok = false;
    const qint64 n = digits.toLongLong(&ok);
    // Only plain digits name a file: no sign, blanks or leading zeros.
    if (!ok || n < 1 || QString::number(n) != digits)
        return {};
    return TSchedaTrattamento::fileName(n);
}

QString Treatments::listLine(const TSchedaTrattamento& scheda)
{
    using Field = TSchedaTrattamento::Field;
    QString line = QStringLiteral("Data: ");
    ListLine::appendColumn(line, scheda.Data, width(Field::Data));
    line += QStringLiteral("   Ora: ");
    ListLine::appendColumn(line, scheda.Ora, width(Field::Ora));
    line += QStringLiteral("   Servizi: ");
    ListLine::appendColumn(line, scheda.Trattamenti, width(Field::Trattamenti));
    line += QStringLiteral("  Estetista: ");
    ListLine::appendColumn(line, scheda.Estetista, width(Field::Estetista));
    line += QStringLiteral("  Costo: \u20AC ");
    ListLine::appendLast(line, scheda.Importo);
    return line;
}

Treatments::History Treatments::load(const QString& fileName)
{
    History history;
    if (fileName.isEmpty()) {
        history.error = QStringLiteral("no client position");
        return history;
    }
    const RecordFile::Status status =
        RecordFile::forEach(fileName, TSchedaTrattamento::Size, [&](qint64 index, const char* record) {
            const TSchedaTrattamento scheda = TSchedaTrattamento::decode(record);
            if (scheda.Importo.isEmpty())
                return true;
            history.lines.append(listLine(scheda), index + 1);
            if (const std::optional<double> amount = Amount::parse(scheda.Importo)) {
                history.total += *amount;
                history.anyAmountAdded = true;
            }
            return true;
        });
    history.error = status.error;
    return history;
}

QString Treatments::totalText(double total)
{
    return QStringLiteral("\u20AC ") + Amount::normalise(Amount::generalForm(total));
}

Treatments::Match Treatments::findLast(const QString& fileName, const QString& line)
{
    Match match;
    if (fileName.isEmpty()) {
        match.error = QStringLiteral("no client position");
        return match;
    }
    const QString wanted = Text::trim(line);
    const RecordFile::Status status =
        RecordFile::forEach(fileName, TSchedaTrattamento::Size, [&](qint64 index, const char* record) {
            TSchedaTrattamento scheda = TSchedaTrattamento::decode(record);
            if (Text::trim(listLine(scheda)) == wanted) {
                match.position = index + 1;
                match.scheda = std::move(scheda);
            }
            return true;
        });
    match.error = status.error;
    return match;
}

RecordFile::Result<qint64> Treatments::save(const QString& fileName, const TSchedaTrattamento& scheda, qint64 position)
{
    if (fileName.isEmpty())
        return {std::nullopt, QStringLiteral("no client position")};
    const QByteArray record = scheda.encode();
    if (position > 0) {
        const RecordFile::Status status = RecordFile::rewrite(fileName, TSchedaTrattamento::Size, position - 1, record);
        if (!status)
            return {std::nullopt, status.error};
        return {position, {}};
    }
    const RecordFile::Result<qint64> appended = RecordFile::append(fileName, TSchedaTrattamento::Size, record);
    if (!appended)
        return {std::nullopt, appended.error};
    return {*appended + 1, {}};
}
