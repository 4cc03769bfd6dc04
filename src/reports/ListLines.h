#pragma once

#include "reports/ListLine.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <vector>

// The lines of a list, each with the 1-based position of the record it was built
// from, so that choosing a line reaches exactly that record even when several
// records give the same text. A screen appends the lines while it reads the
// archive and hands the whole set to its ListBox.
//
// The texts share one buffer, in Windows-1252 like the archives they come
// from: a line is made of stored fields and literals, so every character has
// its byte, and a list of a whole large archive takes half the memory it
// would in UTF-16. Only the lines shown or printed become QStrings.
class ListLines
{
public:
    // A character the code page lacks (never one of a stored field) is kept
    // as its best fit.
    void append(QStringView line, qint64 position);
    // The line of ListLine::appendStored, written straight into the buffer.
    void appendStored(qint64 position, std::initializer_list<ListLine::StoredPiece> pieces);
    void clear();

    qsizetype size() const { return qsizetype(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    QString line(qsizetype row) const;
    // The line's bytes; valid until the next append or clear.
    QByteArrayView stored(qsizetype row) const;
    qint64 position(qsizetype row) const { return m_entries[size_t(row)].position; }

    // Ascending order of the texts, a-z compared as A-Z and every other unit by
    // its code; lines that compare equal keep their order, which is that of
    // their records since lists are made in file order.
    void sortFolded();

private:
    struct Entry
    {
        qsizetype offset;
        qsizetype length;
        qint64 position;
    };
    QByteArray m_text;
    std::vector<Entry> m_entries;
};

// The lines a list screen loads from an archive, in file order, each with its
// record's 1-based position.
struct LoadedLines
{
    ListLines lines;
    // Empty when the whole archive was read; otherwise the lines read so far stay.
    QString error;
};
