#pragma once

#include "core/sound.h"

#include <QStringList>

// Records what the game asks to play instead of playing it.
class FakeSound : public SoundPlayer
{
public:
    void play(const QString& path) override { played.append(path); }
    QStringList played;
};
