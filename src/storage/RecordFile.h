#pragma once

#include "storage/FieldSpec.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

// A file of fixed-size records with no header, in the data folder. Records are
// only appended or rewritten in place, so a record's position is its identity.
// Each operation below is one user action: it opens the file (creating it empty
// only when it does not exist), does its work and closes it again.
// Failures come back as an error text; the screens turn it into their message.
// A failed write leaves the file as it was before the action: an append is cut
// back to the last whole record, a rewrite puts the old record back (or leaves
// its rollback journal, so that the next action on the file puts it back).
namespace RecordFile {
template <class T> struct Result
{
    std::optional<T> value;
    QString error;
    explicit operator bool() const { return value.has_value(); }
    const T& operator*() const { return *value; }
};
struct Status
{
    QString error;
    bool ok() const { return error.isEmpty(); }
    explicit operator bool() const { return ok(); }
};

// Number of whole records; a trailing fragment is not a record.
Result<qint64> count(const QString& fileName, int recordSize);
// The record at the 0-based index.
Result<QByteArray> read(const QString& fileName, int recordSize, qint64 index);
// Appends the record after the last whole record (overwriting a fragment);
// returns its 0-based index. Safe when several workstations append at once.
Result<qint64> append(const QString& fileName, int recordSize, const QByteArray& record);
// Rewrites the record at the 0-based index (index < count).
Status rewrite(const QString& fileName, int recordSize, qint64 index, const QByteArray& record);

// Reads every whole record in file order and hands each one to visit (its
// 0-based index and its recordSize bytes, valid only during the call). visit
// returns false to stop early.
using Visitor = std::function<bool(qint64 index, const char* record)>;
Status forEach(const QString& fileName, int recordSize, const Visitor& visit);
// The same for the records selects takes. selects only reads the record it is
// given (it may be the file's own cached page) and keeps nothing of it; most
// records of a large archive go no further.
using Selector = std::function<bool(const char* record)>;
Status forEach(const QString& fileName, int recordSize, const Selector& selects, const Visitor& visit);

// A test of a stored record's bytes alone that most records of a large
// archive fail, an unticked flag say, and the counted text fields that the
// scans through it read. A scan through a sieve offers its selector and
// visitor only the records the sieve passes, each with the sieve's fields
// alone (the others read as empty), and keeps those fields and where each
// record was: the next scans through the same sieve go through what was kept
// instead of the file, for as long as the file's stamp (which file, its size
// and times) shows it unchanged. The stamp, not this program's own writes, is
// what counts, since another workstation or program may change the file at
// any time. Nothing is kept from a scan stopped early, from a file changed
// during the scan or just before it, or when the fields passed would take
// too much memory.
// A sieve is one object for the whole run; its address tells it apart.
struct Sieve
{
    bool (*passes)(const char* record);
    std::vector<FieldSpec> fields;
};
Status forEach(const QString& fileName, int recordSize, const Sieve& sieve, const Selector& selects,
               const Visitor& visit);

// How long a write waits for another workstation's write to end before it
// fails, rather than freezing the program.
constexpr int LockWaitMs = 5000;
// Test seam: wait this long instead.
void setLockWaitForTests(int milliseconds);
// Test seam: how many records are kept for the file and the sieve, or -1
// when none are.
qint64 keptForTests(const QString& fileName, int recordSize, const Sieve& sieve);
void resetForTests();
} // namespace RecordFile
