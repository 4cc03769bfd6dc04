#pragma once

#include <QByteArrayView>
#include <QtGlobal>
#include <vector>

// The order of sorted lists and of the grid sort: a-z compared as A-Z, every
// other UTF-16 unit by its code, whatever the machine's locale. Each line gets
// a key once, from its first sixteen folded units, so that a sort of a million
// lines compares two integers for nearly every pair and looks at the texts
// only where the keys are equal. A screen whose list is sorted sets
// lstRecords' sorted property; ListLines::sortFolded does the rest.
namespace ListSort {
struct Key
{
    quint64 high = 0;
    quint64 low = 0;

    friend bool operator<(const Key& a, const Key& b) { return a.high != b.high ? a.high < b.high : a.low < b.low; }
    friend bool operator==(const Key& a, const Key& b) { return a.high == b.high && a.low == b.low; }
};

// The key of a line held as its Windows-1252 bytes (ListLines, GridRows).
// When the keys of two lines differ they order the lines as their texts do.
Key key(QByteArrayView stored);

// Where each text goes in that order: the indices of texts, sorted. Texts that
// compare equal keep their order.
std::vector<size_t> order(const std::vector<QByteArrayView>& texts);
} // namespace ListSort
