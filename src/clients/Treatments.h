#pragma once

#include "reports/ListLines.h"
#include "storage/RecordFile.h"
#include "storage/TSchedaTrattamento.h"

#include <QString>

// A client's treatments history: the file named by the client's position, its
// list lines and the total of the amounts paid.
namespace Treatments {
// The treatments file of the client whose card shows position (trimmed); empty
// when the text is not a record position.
QString fileName(const QString& position);

// "Data: ...   Ora: ...   Servizi: ...  Estetista: ...  Costo: € ...", each
// field a column of its stored width, the amount last.
QString listLine(const TSchedaTrattamento& scheda);

// What the history screen shows of a file.
struct History
{
    // Every record with an amount, in file order, with its 1-based position.
    ListLines lines;
    // The amounts that read as numbers, added in file order.
    double total = 0;
    bool anyAmountAdded = false;
    // Why the file could not be read to its end; the lines and total read
    // before stay.
    QString error;
};
// A record whose amount is empty is neither listed nor counted. A stored
// amount that does not read as a number (a damaged or foreign record) is
// listed and adds nothing, and the reading goes on.
History load(const QString& fileName);

// The total as lblTotale shows it: "€ " and the amount with two decimals.
QString totalText(double total);

// The record a list line stands for, as Modify finds it: every record whose
// line equals line (both trimmed, listed or not) is a match, and the last one
// in file order is the one edited. position 0: no record gives that line.
struct Match
{
    qint64 position = 0;
    TSchedaTrattamento scheda;
    QString error;
};
Match findLast(const QString& fileName, const QString& line);

// Rewrites the record at the 1-based position, or appends it when position is
// 0; the record's 1-based position afterwards.
RecordFile::Result<qint64> save(const QString& fileName, const TSchedaTrattamento& scheda, qint64 position);
} // namespace Treatments
