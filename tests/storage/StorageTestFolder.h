#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <memory>

// A fresh folder for tests that write many records from several processes:
// on a memory file system when there is one, since what they test is the
// locking and the journal, and a disk would make every flush wait for it.
inline std::unique_ptr<QTemporaryDir> memoryTestFolder()
{
    if (QDir(QStringLiteral("/dev/shm")).exists())
        return std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/brivanta-XXXXXX"));
    return std::make_unique<QTemporaryDir>();
}
