#include "PendingCore.h"

#include "app/Text.h"
#include "reports/ListLine.h"
#include "storage/RecordFile.h"

namespace {
using AField = TSchedaAppuntamento::Field;
using CField = TSchedaCliente::Field;
constexpr AField kAppointmentBoxes[] = {AField::Data,     AField::Ora, AField::Tipologia, AField::Causale,
                                        AField::Dettagli, AField::Contatto, AField::Tel,  AField::Cel,
                                        AField::Luogo,    AField::Note};
constexpr CField kClientBoxes[] = {CField::Cliente,   CField::ComuneRes,   CField::PartitaIva, CField::CodFisc,
                                   CField::Documento, CField::Occupazione, CField::Prodotti,   CField::Zona,
                                   CField::Questioni, CField::Note};

bool takes(PendingCore::Kind kind, const char* record, const QDate& today)
{
    const QString flag = TSchedaAppuntamento::load(record, AField::Ottemperata);
    switch (kind) {
    case PendingCore::Kind::Fulfilled:
        return flag == Text::flagYes();
    case PendingCore::Kind::ToFulfil:
        return flag == Text::flagNo();
    case PendingCore::Kind::Expired: {
        if (flag != Text::flagNo())
            return false;
        const QDate date = Text::parseDate(TSchedaAppuntamento::load(record, AField::Data));
        return date.isValid() && date < today;
    }
    }
    return false;
}
} // namespace

PendingCore::SearchCriteria::SearchCriteria(const QStringList& boxes)
{
    for (int box = 0; box < boxes.size(); ++box)
        if (!Text::isBlank(boxes.at(box)))
            m_filled.append({box, AsciiCase::lowered(boxes.at(box))});
}

QString PendingCore::appointmentLine(const char* record)
{
    const auto field = [record](AField f) { return TSchedaAppuntamento::load(record, f); };
    QString line = QStringLiteral("Data: ");
    ListLine::appendColumn(line, field(AField::Data), 10);
    line += QStringLiteral("  Ora: ");
    ListLine::appendColumn(line, field(AField::Ora), 5);
    line += QStringLiteral("  ");
    ListLine::appendColumn(line, field(AField::Causale), 42);
    line += QStringLiteral("  Cliente: ");
    ListLine::appendColumn(line, field(AField::Contatto), 30);
    line += QStringLiteral("  Cel. ");
    ListLine::appendColumn(line, field(AField::Cel), 14);
    line += QStringLiteral("  Importo: \u20AC ");
    ListLine::appendLast(line, field(AField::Importo));
    return line;
}

ListLines PendingCore::statusList(Kind kind, const QDate& today)
{
    ListLines lines;
    RecordFile::forEach(TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size,
                        [&](qint64 index, const char* record) {
                            if (takes(kind, record, today))
                                lines.append(appointmentLine(record), index + 1);
                            return true;
                        });
    return lines;
}

ListLines PendingCore::appointmentSearch(const SearchCriteria& criteria)
{
    ListLines lines;
    RecordFile::forEach(TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size,
                        [&](qint64 index, const char* record) {
                            const auto fieldOf = [record](int box) {
                                return TSchedaAppuntamento::load(record, kAppointmentBoxes[box]);
                            };
                            if (criteria.matches(fieldOf))
                                lines.append(appointmentLine(record), index + 1);
                            return true;
                        });
    return lines;
}

QString PendingCore::clientLine(const char* record, CField last)
{
    QString line;
    line.reserve(115 + TSchedaCliente::spec(last).capacity);
    ListLine::appendColumn(line, TSchedaCliente::load(record, CField::Cliente), 26);
    line += QStringLiteral("  Tel. ");
    ListLine::appendColumn(line, TSchedaCliente::load(record, CField::Recapito), 15);
    line += QStringLiteral("  ");
    ListLine::appendColumn(line, TSchedaCliente::load(record, CField::Occupazione), 25);
    line += QStringLiteral("  Prod. ");
    ListLine::appendColumn(line, TSchedaCliente::load(record, CField::Prodotti), 30);
    line += QStringLiteral("  ");
    ListLine::appendLast(line, TSchedaCliente::load(record, last));
    return line;
}

ListLines PendingCore::clientSearch(const SearchCriteria& criteria)
{
    ListLines lines;
    RecordFile::forEach(TSchedaCliente::fileName(), TSchedaCliente::Size, [&](qint64 index, const char* record) {
        const auto fieldOf = [record](int box) { return TSchedaCliente::load(record, kClientBoxes[box]); };
        if (criteria.matches(fieldOf))
            lines.append(clientLine(record, CField::Note), index + 1);
        return true;
    });
    return lines;
}

ListLines PendingCore::recontact()
{
    ListLines lines;
    RecordFile::forEach(TSchedaCliente::fileName(), TSchedaCliente::Size, [&](qint64 index, const char* record) {
        if (TSchedaCliente::load(record, CField::Ricontatta) == Text::flagYes())
            lines.append(clientLine(record, CField::Questioni), index + 1);
        return true;
    });
    return lines;
}
