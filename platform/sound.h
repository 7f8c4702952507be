#pragma once

#include <QString>

// The game's three sounds, each a WAV file among the game's files.
enum class Sound { Water, Bell, Pot };

/* "water.wav", "bell.wav" or "tubo.wav" */
QString soundFileName(Sound sound);

// Fire-and-forget playback: returns at once, reports nothing. A new sound
// replaces one still playing; a missing or unplayable file gives the default
// sound instead.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void play(Sound sound) = 0;
};
