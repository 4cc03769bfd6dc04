#pragma once

#include "reports/ListLine.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <initializer_list>
#include <vector>

// The lines of a list, each with the 1-based position of the record it was built
// from, so that choosing a line reaches exactly that record even when several
// records give the same text. A screen appends the lines while it reads the
// archive and hands the whole set to its ListBox.
//
// The lines are held in Windows-1252 like the archives they come from: a line
// is made of stored fields and literals, so every character has its byte. A
// line holds only its fields' bytes, trimmed and cut to their columns, and
// which layout it was made with (ListLine::Layout: the literals and column
// widths, declared once); its text is put together when it is shown,
// searched, sorted or printed. A list of a whole large archive so takes a
// fraction of the memory its texts would, and is made that much faster.
class ListLines
{
public:
    // A line taken as it is. A character the code page lacks (never one of a
    // stored field) is kept as its best fit.
    void append(QStringView line, qint64 position);
    // A line of stored fields, one for each column of layout, as ListLine
    // describes. The lines keep the layout's address: it outlives them.
    void appendStored(qint64 position, const ListLine::Layout& layout, std::initializer_list<QByteArrayView> fields);
    void clear();

    qsizetype size() const { return qsizetype(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    QString line(qsizetype row) const;
    // The line's bytes, put together in buffer, which a caller going through
    // many lines reuses; valid until buffer changes.
    QByteArrayView stored(qsizetype row, QByteArray& buffer) const;
    qint64 position(qsizetype row) const { return m_entries[size_t(row)].position; }

    // Ascending order of the texts, a-z compared as A-Z and every other unit by
    // its code; lines that compare equal keep their order, which is that of
    // their records since lists are made in file order.
    void sortFolded();

private:
    // A layout the lines were made with.
    struct Made
    {
        const ListLine::Layout* layout;
        // The length of the longest line made with it.
        qsizetype longest = 0;
    };
    struct Entry
    {
        // Where the line's pieces begin in m_pieces.
        qsizetype offset;
        qint64 position;
        quint32 layout;
    };
    quint32 indexOf(const ListLine::Layout& layout);
    // trim: the pieces are stored fields; otherwise they are taken as they are.
    void appendPieces(qint64 position, const ListLine::Layout& layout, std::initializer_list<QByteArrayView> pieces,
                      bool trim);
    // Writes the line at out, which has room for its layout's longest;
    // returns the end of what it wrote.
    char* writeLine(const Entry& entry, char* out) const;

    // Each line's pieces in turn, each as its length and its bytes, in the
    // first m_used bytes; the rest is room for the lines to come.
    QByteArray m_pieces;
    qsizetype m_used = 0;
    std::vector<Entry> m_entries;
    std::vector<Made> m_layouts;
};

// The lines a list screen loads from an archive, in file order, each with its
// record's 1-based position.
struct LoadedLines
{
    ListLines lines;
    // Empty when the whole archive was read; otherwise the lines read so far stay.
    QString error;
};
