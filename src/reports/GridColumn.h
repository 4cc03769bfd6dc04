#pragma once

#include <QString>

// One column of a grid screen after its row number column: how the grid shows
// it and how the spreadsheet file heads it.
struct GridColumn
{
    QString header;
    int width;
    QString fileTitle;
    int fileWidth;
};
