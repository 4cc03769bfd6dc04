// Build step: writes the password file of a new installation, holding the
// enciphered initial password. An existing file is left alone, since the user
// may have changed the password.
#include "access/Crypt.h"
#include "access/PasswordStore.h"
#include "app/DataFolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <program folder>\n", argv[0]);
        return 2;
    }
    DataFolder::setForTests(QString::fromLocal8Bit(argv[1]));
    if (QFileInfo::exists(DataFolder::filePath(PasswordStore::fileName())))
        return 0;
    const QString error =
        PasswordStore::write(Crypt::Encrypt(PasswordStore::normalise(PasswordStore::initialPassword())));
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
