#include "ArchiveGenerator.h"

#include "storage/TSchedaAppuntamento.h"
#include "storage/TSchedaCliente.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

// brivanta_bench_generate <folder> <appointments> [<clients>]
// Writes "Archivio_Appuntamenti.pro" (and "Contatti.pro") into folder, for
// trying the program itself on a large archive.
int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() < 3 || args.size() > 4) {
        std::fprintf(stderr, "usage: %s <folder> <appointments> [<clients>]\n", argv[0]);
        return 2;
    }
    const QDir folder(args.at(1));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(folder.path()));
        return 1;
    }
    QString error =
        ArchiveGenerator::writeAppointments(folder.filePath(TSchedaAppuntamento::fileName()), args.at(2).toLongLong());
    if (error.isEmpty() && args.size() == 4)
        error = ArchiveGenerator::writeClients(folder.filePath(TSchedaCliente::fileName()), args.at(3).toLongLong());
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::printf("Archives written in %s; the agenda's today is %s.\n", qPrintable(folder.absolutePath()),
                qPrintable(ArchiveGenerator::today().toString(Qt::ISODate)));
    return 0;
}
