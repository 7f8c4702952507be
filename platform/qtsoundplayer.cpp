#include "qtsoundplayer.h"

#include "plugins.h"
#include "regularfile.h"
#include "soundengine.h"
#include "wave.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {
// Far beyond any short effect; a bigger file is no sound of ours.
constexpr qint64 largestSound = 16 * 1024 * 1024;
} // namespace

// Lives on the sound thread: checks each file once, and hands the good ones to
// the engine, which it loads with the first of them.
class SoundWorker : public QObject
{
    Q_OBJECT
public:
    explicit SoundWorker(const QString& plugins) : pluginFolder(plugins) {}

    void play(const QString& path)
    {
        if (!playable.contains(path)) {
            if (!isCompleteWave(soundBytes(path)) || !startEngine()) {
                emit loaded(path, false);
                return;
            }
            playable.insert(path);
        }
        engine->play(path);
    }

signals:
    void loaded(const QString& path, bool playable);

private:
    /* empty for anything but a regular file of at most largestSound bytes */
    static QByteArray soundBytes(const QString& path)
    {
        const std::unique_ptr<QFile> file = openRegularFile(path);
        if (!file || file->size() > largestSound)
            return {};
        return file->read(largestSound);
    }

    bool startEngine()
    {
        if (engine)
            return true;
        auto* factory = qobject_cast<SoundEngineFactory*>(
            loadPlugin(pluginFolder, QStringLiteral("morvick_sound")));
        if (factory)
            engine =
                factory->create([this](const QString& path, bool ok) { emit loaded(path, ok); });
        return bool(engine);
    }

    const QString pluginFolder;
    std::unique_ptr<SoundEngine> engine;
    QSet<QString> playable;
};

namespace {
// Long enough for any sane audio server to let go, short enough not to hang a quit.
constexpr int stopWaitMs = 2000;
} // namespace

QtSoundPlayer::QtSoundPlayer(const QString& sounds, const QString& plugins,
                             std::function<void()> beepInstead)
    : soundFolder(sounds), pluginFolder(plugins), beep(std::move(beepInstead))
{}

QtSoundPlayer::~QtSoundPlayer()
{
    if (!thread)
        return;
    thread->quit();
    // A thread stuck in a dead audio server is left behind rather than hanging the quit.
    if (!thread->wait(QDeadlineTimer(stopWaitMs)))
        (void)thread.release();
}

void QtSoundPlayer::play(Sound sound)
{
    playFile(soundFolder + QLatin1Char('/') + soundFileName(sound));
}

void QtSoundPlayer::playFile(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        beep();
        return;
    }
    if (!thread)
        startThread();
    SoundWorker* const target = worker;
    QMetaObject::invokeMethod(
        target, [target, path] { target->play(path); }, Qt::QueuedConnection);
}

void QtSoundPlayer::startThread()
{
    thread = std::make_unique<QThread>();
    thread->setObjectName(QStringLiteral("sounds"));
    worker = new SoundWorker(pluginFolder);
    worker->moveToThread(thread.get());
    connect(worker, &SoundWorker::loaded, this, &QtSoundPlayer::loaded);
    // A file that is there but will not play sounds like a missing one.
    connect(worker, &SoundWorker::loaded, this, [this](const QString&, bool playable) {
        if (!playable)
            beep();
    });
    connect(thread.get(), &QThread::finished, worker, &QObject::deleteLater);
    thread->start();
}

#include "qtsoundplayer.moc"
