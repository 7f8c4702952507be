#pragma once

#include "sound.h"

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
    /* folder: where the sound files lie; beep: what a missing or unplayable file sounds like
     * instead */
    QtSoundPlayer(const QString& folder, std::function<void()> beep);
    ~QtSoundPlayer() override;

    void play(Sound sound) override;
    /* plays any WAV file by its full path */
    void playFile(const QString& path);

signals:
    /* a file has been read: playable, or not a sound the player can play */
    void loaded(const QString& path, bool playable);

private:
    void startThread();

    const QString folder;
    const std::function<void()> beep;
    std::unique_ptr<QThread> thread;
    SoundEffects* worker = nullptr;
};
