#pragma once

#include <QString>

// The document information written into an exported PDF file: the client card
// passes title and subject "Scheda informativa" and the maker as author and creator.
struct PdfOptions
{
    QString title;
    QString subject;
    QString author;
    QString creator;
};
