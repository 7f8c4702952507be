#pragma once

#include "sound.h"

#include <QObject>
#include <QThread>
#include <functional>
#include <memory>

class SoundWorker;

// Plays the game's sounds through the sound plugin (Qt Multimedia). Loading
// the plugin, connecting to the audio server and reading a file can take long,
// or hang with a broken server, so all of it happens on a thread of its own,
// started by the first sound: play() only hands the path over and returns.
class QtSoundPlayer : public QObject, public SoundPlayer
{
    Q_OBJECT
public:
    /* soundFolder: where the sound files lie; pluginFolder: where the sound plugin lies;
       beep: what a missing or unplayable file sounds like instead */
    QtSoundPlayer(const QString& soundFolder, const QString& pluginFolder,
                  std::function<void()> beep);
    ~QtSoundPlayer() override;

    void play(Sound sound) override;
    /* plays any WAV file by its full path */
    void playFile(const QString& path);

signals:
    /* a file has been read: playable, or not a sound the player can play */
    void loaded(const QString& path, bool playable);

private:
    void startThread();

    const QString soundFolder;
    const QString pluginFolder;
    const std::function<void()> beep;
    std::unique_ptr<QThread> thread;
    SoundWorker* worker = nullptr;
};
