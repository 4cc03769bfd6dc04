#pragma once

#include <QString>

// The document information written into an exported PDF file.
struct PdfOptions
{
    QString title;
    QString subject;
    QString author;
    QString creator;
};
