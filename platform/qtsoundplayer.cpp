#include "qtsoundplayer.h"

#include "regularfile.h"
#include "wave.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace {
// Far beyond any short effect; a bigger file is no sound of ours.
constexpr qint64 largestSound = 16 * 1024 * 1024;
} // namespace

// Lives on the sound thread. One effect plays at a time, so a new sound cuts off
// the one before, as the game's sounds always have.
class SoundEffects : public QObject
{
    Q_OBJECT
public:
    void play(const QString& path)
    {
        QSoundEffect* const effect = effectFor(path);
        for (QSoundEffect* other : std::as_const(effects))
            if (other != effect)
                other->stop();
        if (effect)
            effect->play();
    }

signals:
    void loaded(const QString& path, bool playable);

private:
    /* null for a file that is no sound we can play */
    QSoundEffect* effectFor(const QString& path)
    {
        const QUrl url = QUrl::fromLocalFile(path);
        if (QSoundEffect* known = effects.value(url))
            return known;
        if (!isCompleteWave(soundBytes(path))) {
            emit loaded(path, false);
            return nullptr;
        }
        QSoundEffect* const effect = makeEffect(url);
        effects.insert(url, effect);
        return effect;
    }

    /* empty for anything but a regular file of at most largestSound bytes */
    static QByteArray soundBytes(const QString& path)
    {
        const std::unique_ptr<QFile> file = openRegularFile(path);
        if (!file || file->size() > largestSound)
            return {};
        return file->read(largestSound);
    }

    QSoundEffect* makeEffect(const QUrl& url)
    {
        // The first effect connects to the audio server; that is why we are on this thread.
        auto* effect = new QSoundEffect(this);
        connect(effect, &QSoundEffect::statusChanged, this, [this, effect, url] {
            const QSoundEffect::Status status = effect->status();
            if (status == QSoundEffect::Ready || status == QSoundEffect::Error)
                emit loaded(url.toLocalFile(), status == QSoundEffect::Ready);
        });
        effect->setSource(url);
        return effect;
    }

    QHash<QUrl, QSoundEffect*> effects;
};

namespace {
// Long enough for any sane audio server to let go, short enough not to hang a quit.
constexpr int stopWaitMs = 2000;
} // namespace

QtSoundPlayer::QtSoundPlayer(const QString& soundFolder, std::function<void()> beepInstead)
    : folder(soundFolder), beep(std::move(beepInstead))
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
    playFile(folder + QLatin1Char('/') + soundFileName(sound));
}

void QtSoundPlayer::playFile(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        beep();
        return;
    }
    if (!thread)
        startThread();
    SoundEffects* const target = worker;
    QMetaObject::invokeMethod(
        target, [target, path] { target->play(path); }, Qt::QueuedConnection);
}

void QtSoundPlayer::startThread()
{
    thread = std::make_unique<QThread>();
    thread->setObjectName(QStringLiteral("sounds"));
    worker = new SoundEffects;
    worker->moveToThread(thread.get());
    connect(worker, &SoundEffects::loaded, this, &QtSoundPlayer::loaded);
    // A file that is there but will not play sounds like a missing one.
    connect(worker, &SoundEffects::loaded, this, [this](const QString&, bool playable) {
        if (!playable)
            beep();
    });
    connect(thread.get(), &QThread::finished, worker, &QObject::deleteLater);
    thread->start();
}

#include "qtsoundplayer.moc"
