#include "PendingCore.h"

#include "app/Text.h"
#include "reports/ListLine.h"
#include "storage/CountedText.h"
#include "storage/Cp1252.h"
#include "storage/RecordFile.h"
#include "storage/TSchedaAppuntamento.h"

namespace {
using AField = TSchedaAppuntamento::Field;
using CField = TSchedaCliente::Field;
constexpr AField kAppointmentBoxes[] = {AField::Data,     AField::Ora,      AField::Tipologia, AField::Causale,
                                        AField::Dettagli, AField::Contatto, AField::Tel,       AField::Cel,
                                        AField::Luogo,    AField::Note};
constexpr CField kClientBoxes[] = {CField::Cliente,   CField::ComuneRes,   CField::PartitaIva, CField::CodFisc,
                                   CField::Documento, CField::Occupazione, CField::Prodotti,   CField::Zona,
                                   CField::Questioni, CField::Note};
constexpr QByteArrayView kYes("S\xEC");
constexpr QByteArrayView kNo("No");

QByteArrayView stored(const char* record, AField field)
{
    return CountedText::trimmed(TSchedaAppuntamento::raw(record, field));
}

QByteArrayView stored(const char* record, CField field)
{
    return CountedText::trimmed(TSchedaCliente::raw(record, field));
}

bool takes(PendingCore::Kind kind, const char* record, const QDate& today)
{
    const QByteArrayView flag = stored(record, AField::Ottemperata);
    switch (kind) {
    case PendingCore::Kind::Fulfilled:
        return flag == kYes;
    case PendingCore::Kind::ToFulfil:
        return flag == kNo;
    case PendingCore::Kind::Expired: {
        if (flag != kNo)
            return false;
        const QDate date = Text::parseDate(TSchedaAppuntamento::load(record, AField::Data));
        return date.isValid() && date < today;
    }
    }
    return false;
}

void appendAppointmentLine(ListLines& lines, qint64 position, const char* record)
{
    const auto field = [record](AField f) { return TSchedaAppuntamento::raw(record, f); };
    lines.appendStored(position, {{u"Data: ", field(AField::Data), 10},
                                  {u"  Ora: ", field(AField::Ora), 5},
                                  {u"  ", field(AField::Causale), 42},
                                  {u"  Cliente: ", field(AField::Contatto), 30},
                                  {u"  Cel. ", field(AField::Cel), 14},
                                  {u"  Importo: \u20AC ", field(AField::Importo), ListLine::Unpadded}});
}

void appendClientLine(ListLines& lines, qint64 position, const char* record, CField last)
{
    const auto field = [record](CField f) { return TSchedaCliente::raw(record, f); };
    lines.appendStored(position, {{u"", field(CField::Cliente), 26},
                                  {u"  Tel. ", field(CField::Recapito), 15},
                                  {u"  ", field(CField::Occupazione), 25},
                                  {u"  Prod. ", field(CField::Prodotti), 30},
                                  {u"  ", field(last), ListLine::Unpadded}});
}

template <class Takes, class AppendLine>
ListLines load(const QString& fileName, int recordSize, Takes&& takes, AppendLine&& appendLine)
{
    ListLines lines;
    RecordFile::forEach(fileName, recordSize, [&](qint64 index, const char* record) {
        if (takes(record))
            appendLine(lines, index + 1, record);
        return true;
    });
    return lines;
}
} // namespace

PendingCore::SearchCriteria::SearchCriteria(const QStringList& boxes)
{
    for (int box = 0; box < boxes.size(); ++box)
        if (!Text::isBlank(boxes.at(box)))
            m_filled.append({box, Cp1252::encodeExactly(AsciiCase::lowered(boxes.at(box)))});
}

ListLines PendingCore::statusList(Kind kind, const QDate& today)
{
    return load(
        TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size,
        [kind, today](const char* record) { return takes(kind, record, today); }, appendAppointmentLine);
}

ListLines PendingCore::appointmentSearch(const SearchCriteria& criteria)
{
    return load(
        TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size,
        [&criteria](const char* record) {
            return criteria.matches([record](int box) { return stored(record, kAppointmentBoxes[box]); });
        },
        appendAppointmentLine);
}

ListLines PendingCore::clientSearch(const SearchCriteria& criteria)
{
    return load(
        TSchedaCliente::fileName(), TSchedaCliente::Size,
        [&criteria](const char* record) {
            return criteria.matches([record](int box) { return stored(record, kClientBoxes[box]); });
        },
        [](ListLines& lines, qint64 position, const char* record) {
            appendClientLine(lines, position, record, CField::Note);
        });
}

ListLines PendingCore::recontact()
{
    return load(
        TSchedaCliente::fileName(), TSchedaCliente::Size,
        [](const char* record) { return stored(record, CField::Ricontatta) == kYes; },
        [](ListLines& lines, qint64 position, const char* record) {
            appendClientLine(lines, position, record, CField::Questioni);
        });
}
