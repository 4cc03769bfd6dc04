#include "app/SoundPlayer.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace {
bool s_testMode = false;
int s_played = 0;
bool s_lastLoaded = false;
bool s_playing = false;

QMediaPlayer* player()
{
    // Created on first use and owned by the application object, so it lives
    // exactly as long as the event loop it plays in.
    static QMediaPlayer* instance = [] {
        auto* p = new QMediaPlayer(QCoreApplication::instance());
        p->setAudioOutput(new QAudioOutput(p));
        return p;
    }();
    return instance;
}
} // namespace

bool SoundPlayer::play(const QString& path)
{
    const QFileInfo info(path);
    const bool loadable = info.isFile() && info.isReadable() && info.size() > 0;
    s_lastLoaded = loadable;
    if (!loadable)
        return false;
    if (s_testMode) {
        ++s_played;
        s_playing = true;
        return true;
    }
    QMediaPlayer* p = player();
    p->stop();
    p->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    p->play();
    return true;
}

void SoundPlayer::stop()
{
    s_playing = false;
    if (!s_testMode)
        player()->stop();
}

void SoundPlayer::setTestMode(bool on)
{
    s_testMode = on;
}

int SoundPlayer::playedCount()
{
    return s_played;
}

bool SoundPlayer::lastLoaded()
{
    return s_lastLoaded;
}

bool SoundPlayer::playing()
{
    return s_playing;
}

void SoundPlayer::resetForTests()
{
    s_played = 0;
    s_lastLoaded = false;
    s_playing = false;
}
