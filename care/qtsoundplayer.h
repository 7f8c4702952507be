#pragma once

#include "core/sound.h"

#include <QObject>
#include <QThread>
#include <functional>
#include <memory>

class SoundEffects;

// Plays the game's sounds through Qt Multimedia. Connecting to the audio server
// and loading a file can take long, or hang with a broken server, so all of it
// happens on a thread of its own, started by the first sound: play() only hands
// the path over and returns.
class QtSoundPlayer : public QObject, public SoundPlayer
{
    Q_OBJECT
public:
    /* beep: what a missing or unplayable file sounds like instead */
    explicit QtSoundPlayer(std::function<void()> beep = defaultBeep);
    ~QtSoundPlayer() override;

    void play(const QString& path) override;

    static void defaultBeep();

signals:
    /* a file has been read: playable, or not a sound the player can play */
    void loaded(const QString& path, bool playable);

private:
    void startThread();

    const std::function<void()> beep;
    std::unique_ptr<QThread> thread;
    SoundEffects* worker = nullptr;
};
