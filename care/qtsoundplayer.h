#pragma once

#include "core/sound.h"

// Plays the game's sounds through Qt Multimedia (filled in with the care actions).
class QtSoundPlayer : public SoundPlayer
{
public:
    void play(const QString& path) override;
};
