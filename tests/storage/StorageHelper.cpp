// A second program for the storage tests: it works on an archive from its
// own process, as another workstation does on a shared folder.
//   count <folder> <file> <record size>   prints the record count
//   append <folder> <records> <tag>       says "ready", waits for a line on
//                                          its input, then appends
//   rewrite <folder> <records> <version>  rewrites the records in turn, with
//                                          ever newer versions, on a slow disk,
//                                          telling each one done, until killed
//   fill <folder>                          appends until the disk is full, then
//                                          checks what the failures left
#include "StoragePattern.h"

#include "app/DataFolder.h"
#include "storage/FileIo.h"
#include "storage/RecordFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QThread>
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
int rewrite(const QStringList& args)
{
    const int records = args.at(1).toInt();
    const int firstVersion = args.at(2).toInt();
    // A slow disk: small writes with pauses between them, so that a kill
    // lands inside a record as often as between records.
    FileIo::WriteCalls slow = FileIo::systemWriteCalls();
    slow.write = [system = slow.write](FileIo::Handle handle, qint64 offset, const char* data, qint64 size) {
        QThread::usleep(20);
        return system(handle, offset, data, qMin<qint64>(size, 128));
    };
    FileIo::setWriteCallsForTests(slow);
    for (qint64 step = 0;; ++step) {
        const int index = int(step % records);
        const int version = firstVersion + int(step / records);
        const auto done = RecordFile::rewrite(TSchedaAppuntamento::fileName(), TSchedaAppuntamento::Size, index,
                                              StoragePattern::appointment(index, version));
        if (!done)
            return fail(done.error);
        std::printf("%d %d\n", index, version);
        std::fflush(stdout);
    }
}

int fill()
{
    const QString name = TSchedaAppuntamento::fileName();
    const int size = TSchedaAppuntamento::Size;
    // What the failing append managed to write before the disk refused.
    qint64 accepted = 0;
    FileIo::WriteCalls counting = FileIo::systemWriteCalls();
    counting.write = [system = counting.write, &accepted](FileIo::Handle h, qint64 offset, const char* data, qint64 n) {
        const qint64 written = system(h, offset, data, n);
        accepted = written < 0 ? accepted : accepted + written;
        return written;
    };
    FileIo::setWriteCallsForTests(counting);
    int records = 0;
    RecordFile::Result<qint64> appended;
    for (;; ++records) {
        accepted = 0;
        appended = RecordFile::append(name, size, StoragePattern::appointment(0, records));
        if (!appended)
            break;
    }
    const qint64 partial = accepted;
    FileIo::resetForTests();

    // Take whatever space is left, so that a rewrite has no room for its journal.
    QFile filler(DataFolder::filePath(QStringLiteral("filler")));
    if (filler.open(QIODevice::WriteOnly))
        while (filler.write(QByteArray(512, 'f')) > 0 && filler.flush())
            ;
    filler.close();
    const auto rewritten = RecordFile::rewrite(name, size, 0, StoragePattern::appointment(1, 0));
    const auto appendedAgain = RecordFile::append(name, size, StoragePattern::appointment(1, 1));

    QFile archive(DataFolder::filePath(name));
    const QByteArray bytes = archive.open(QIODevice::ReadOnly) ? archive.readAll() : QByteArray();
    bool intact = bytes.size() == qint64(records) * size;
    for (int i = 0; intact && i < records; ++i)
        intact = bytes.mid(qint64(i) * size, size) == StoragePattern::appointment(0, i);
    std::printf("records %d partial %lld size %lld intact %d journal %d\n", records, static_cast<long long>(partial),
                static_cast<long long>(bytes.size()), int(intact),
                int(QFile::exists(DataFolder::filePath(name + QStringLiteral("-journal")))));
    std::printf("append %s\nrewrite %s\nappend %s\n", qPrintable(appended.error), qPrintable(rewritten.error),
                qPrintable(appendedAgain.error));
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
    if (args.value(0) == QLatin1String("rewrite") && rest.size() == 3)
        return rewrite(rest);
    if (args.value(0) == QLatin1String("fill") && rest.size() == 1)
        return fill();
    std::fprintf(stderr, "usage: storage_helper count|append|rewrite|fill <folder> ...\n");
    return 2;
}
