// A second program for the storage tests: it works on an archive from its
// own process, as another workstation does on a shared folder.
//   count <folder> <file> <record size>   prints the record count
//   append <folder> <records> <tag>       says "ready", waits for a line on
//                                          its input, then appends
#include "StoragePattern.h"

#include "app/DataFolder.h"
#include "storage/RecordFile.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <iostream>
#include <string>

namespace {
int fail(const QString& text)
{
    std::printf("error %s\n", qPrintable(text));
    return 1;
}

int count(const QStringList& args)
{
    const auto n = RecordFile::count(args.at(1), args.at(2).toInt());
    if (!n)
        return fail(n.error);
    std::printf("count %lld\n", static_cast<long long>(*n));
    return 0;
}

int append(const QStringList& args)
{
    const int records = args.at(1).toInt();
    const int tag = args.at(2).toInt();
    std::printf("ready\n");
    std::fflush(stdout);
    std::string go;
    std::getline(std::cin, go);
    // How often another process appended between two of ours.
    int interleaved = 0;
    qint64 previous = -1;
    for (int i = 0; i < records; ++i) {
        const auto index = RecordFile::append(TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size,
                                              StoragePattern::appointment(tag, i));
        if (!index)
            return fail(index.error);
        if (previous >= 0 && *index != previous + 1)
            ++interleaved;
        previous = *index;
    }
    std::printf("done %d\n", interleaved);
    return 0;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments().mid(1);
    if (args.size() >= 2)
        DataFolder::setForTests(args.at(1));
    const QStringList rest = args.mid(1);
    if (args.value(0) == QLatin1String("count") && rest.size() == 3)
        return count(rest);
    if (args.value(0) == QLatin1String("append") && rest.size() == 3)
        return append(rest);
    std::fprintf(stderr, "usage: storage_helper count|append <folder> ...\n");
    return 2;
}
