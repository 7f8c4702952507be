#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

// What the sound plugin gives the game. Only the plugin links Qt Multimedia,
// so the game maps that library, and the audio server's, only when it first
// plays a sound.

// Plays WAV files that have been checked, one at a time: a new sound cuts off
// the one before. Made and used on one thread, where loaded is called too.
class SoundEngine
{
public:
    virtual ~SoundEngine() = default;
    virtual void play(const QString& path) = 0;
};

class SoundEngineFactory
{
public:
    virtual ~SoundEngineFactory() = default;
    /* loaded(path, playable): once a file has been read, whether it plays */
    virtual std::unique_ptr<SoundEngine>
    create(std::function<void(const QString& path, bool playable)> loaded) = 0;
};

#define MORVICK_SOUND_ENGINE_IID "io.github.morvick.SoundEngineFactory/1"
Q_DECLARE_INTERFACE(SoundEngineFactory, MORVICK_SOUND_ENGINE_IID)
