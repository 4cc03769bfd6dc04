#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

struct TSchedaCliente;

// What the client card sheet prints: the title, 24 rows of caption and value
// taken from the card as it stands, and the footer with the moment of printing.
// Every value is trimmed; the joined values of rows 3, 7 and 16 are not trimmed
// again, so a missing part leaves its blanks. The postcode, marital status,
// recontact flag and attachments are not printed.
namespace ClientSheetContent {
// Row 22 reads "Zona:" on paper and "Zona di appartenenza:" in the PDF file.
enum class Output { Paper, Pdf };

struct Row
{
    QString caption;
    QString value;
};
constexpr int RowCount = 24;

QString title();
// card holds the card's controls' texts, in their record fields.
QList<Row> rows(const TSchedaCliente& card, Output output);
// "Stampa eseguita in data dd/mm/yyyy alle ore hh:mm:ss".
QString footer(const QDateTime& now);
} // namespace ClientSheetContent
