#pragma once

#include "app/Clock.h"
#include "app/DataFolder.h"
#include "app/FileDialog.h"
#include "app/Messages.h"
#include "app/PrintDialog.h"
#include "app/Screens.h"
#include "app/SoundPlayer.h"
#include "app/TMisc.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// Every platform seam in test mode, a fresh temporary data folder and the
// thirty screens created anew. Call setUp() from init() and tearDown() from
// cleanup(); tearDown() fails the test when a queued answer was never used.
class GuiFixture
{
public:
    void setUp()
    {
        Messages::setTestMode(true);
        TMisc::setTestMode(true);
        FileDialog::setTestMode(true);
        PrintDialog::setTestMode(true);
        SoundPlayer::setTestMode(true);
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        DataFolder::setForTests(m_dir->path());
        Screens::createAll();
    }

    void tearDown()
    {
        Screens::destroyAll();
        const int unused = Messages::resetForTests();
        TMisc::resetForTests();
        FileDialog::resetForTests();
        PrintDialog::resetForTests();
        SoundPlayer::resetForTests();
        Clock::resetForTests();
        DataFolder::resetForTests();
        m_dir.reset();
        QCOMPARE(unused, 0);
    }

    QString path(const QString& name) const { return m_dir->filePath(name); }

    QByteArray readFile(const QString& name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void writeFile(const QString& name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(bytes), bytes.size());
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

// Finds a control of a screen by its name.
template <class T>
T* control(QObject* screen, const char* name)
{
    return screen->findChild<T*>(QString::fromLatin1(name));
}
