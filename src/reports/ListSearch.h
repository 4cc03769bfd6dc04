#pragma once

#include "reports/ListLines.h"

// Find-in-list of the list screens: the lowered text of the last find and the
// rule of one find. The same text again steps on from the selected line to the
// next match, wrapping from the last line to the first; another text starts
// from the top. ListBox::findInList is the screens' way in.
class ListSearch
{
public:
    enum class Outcome { EmptyList, Found, NotFound };
    struct Result
    {
        Outcome outcome;
        // The line to select afterwards: the match, or the line already selected
        // (the first one when none was); -1 for an empty list.
        qsizetype row;
    };

    // The screen is being shown: the next find is a new search.
    void reset() { m_last.clear(); }
    const QString& lastText() const { return m_last; }

    // selected is -1 when no line is selected. An empty list leaves the last
    // search text as it was.
    Result find(const ListLines& lines, qsizetype selected, const QString& typed);

private:
    QString m_last;
};
