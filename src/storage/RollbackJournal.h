#pragma once

#include "storage/FileIo.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The rollback journal of a rewrite in place: before a record is rewritten,
// its old bytes and its index go to a small file beside the archive (the
// archive's name + "-journal"), on the disk before the archive is touched.
// The journal is removed once the new record is on the disk, so a journal
// found later means the rewrite may have been cut short: its record is put
// back. The archive format itself is unchanged; a folder copied without the
// journal is still a whole installation.
namespace RollbackJournal {
QString pathFor(const QString& archivePath);

struct Entry
{
    qint64 index;
    QByteArray record;
};
// The bytes of a journal: a tag, the record size, the index, the old record
// and a checksum of all of them.
QByteArray build(qint64 index, const QByteArray& record);
// The entry a journal holds; nothing when the journal is cut short, damaged
// or of another record size (then its rewrite never began).
std::optional<Entry> parse(const QByteArray& bytes, int recordSize);

// Writes the journal of the record at index, whose bytes are about to be
// replaced. An empty text on success, otherwise the failure.
QString write(const QString& archivePath, qint64 index, const QByteArray& record);
// Puts back the record of the archive's journal, if there is one, and
// removes the journal. The archive is open and held under the writers' lock.
QString restore(FileIo::Handle archive, const QString& archivePath, int recordSize);
// Removes the journal of a rewrite that is on the disk.
QString discard(const QString& archivePath);
} // namespace RollbackJournal
