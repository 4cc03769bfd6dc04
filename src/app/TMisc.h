#pragma once

#include <QString>
#include <QStringList>

// The shell's "open": documents, folders, web addresses and mailto addresses.
class TMisc final
{
public:
    // Callers enclose file paths and mailto addresses in double quotes, as the
    // shell of the platform the archives come from needs; the quotes are not
    // part of the target and are removed here. Nothing is returned or checked.
    static void Open(const QString& text);

    // Test seam: in test mode nothing is opened, the texts are only recorded.
    static void setTestMode(bool on);
    static QStringList opened();
    static void resetForTests();
};
