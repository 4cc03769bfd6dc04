#pragma once

#include <QString>
#include <QStringView>
#include <vector>

// The lines of a list, each with the 1-based position of the record it was built
// from, so that choosing a line reaches exactly that record even when several
// records give the same text. A screen appends the lines while it reads the
// archive and hands the whole set to its ListBox; the texts share one buffer.
class ListLines
{
public:
    void append(QStringView line, qint64 position);
    void clear();

    qsizetype size() const { return qsizetype(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    // Valid until the next append or clear.
    QStringView line(qsizetype row) const;
    qint64 position(qsizetype row) const { return m_entries[size_t(row)].position; }

    // Ascending order of the texts, a-z compared as A-Z and every other unit by
    // its code; lines that compare equal keep the order of their records.
    void sortFolded();

private:
    struct Entry
    {
        qsizetype offset;
        qsizetype length;
        qint64 position;
    };
    QString m_text;
    std::vector<Entry> m_entries;
};
