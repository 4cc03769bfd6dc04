#pragma once

#include <QString>

class QMediaPlayer;
class QAudioOutput;

// The platform's media player, for the agenda's alert sound.
namespace SoundPlayer {
// Loads the file and plays it once while the user goes on. A missing or
// unplayable file plays nothing and says nothing; the result tells whether the
// file was there to be loaded.
bool play(const QString& path);
void stop();

// Test seam: in test mode no sound is played; the calls are recorded.
void setTestMode(bool on);
int playedCount();
bool lastLoaded();
bool playing();
void resetForTests();
} // namespace SoundPlayer
