#pragma once

#include <QString>

// Fire-and-forget playback of a WAV file by full path: returns at once, reports
// nothing. A new sound replaces one still playing.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& path) = 0;
};

/* the folder of the game's executable, where its sounds and help lie */
QString programDirectory();
void setProgramDirectoryForTesting(const QString& directory);
