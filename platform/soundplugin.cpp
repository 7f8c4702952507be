// The sound engine on Qt Multimedia, loaded by the game at its first sound.
#include "soundengine.h"

#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace {
class EffectsEngine : public QObject, public SoundEngine
{
public:
    explicit EffectsEngine(std::function<void(const QString&, bool)> loaded)
        : report(std::move(loaded))
    {}

    void play(const QString& path) override
    {
        QSoundEffect* const effect = effectFor(path);
        for (QSoundEffect* other : std::as_const(effects))
            if (other != effect)
                other->stop();
        effect->play();
    }

private:
    QSoundEffect* effectFor(const QString& path)
    {
        if (QSoundEffect* known = effects.value(path))
            return known;
        // The first effect connects to the audio server, which may take long:
        // this runs on the game's sound thread.
        auto* effect = new QSoundEffect(this);
        connect(effect, &QSoundEffect::statusChanged, this, [this, effect, path] {
            const QSoundEffect::Status status = effect->status();
            if (status == QSoundEffect::Ready || status == QSoundEffect::Error)
                report(path, status == QSoundEffect::Ready);
        });
        effect->setSource(QUrl::fromLocalFile(path));
        effects.insert(path, effect);
        return effect;
    }

    const std::function<void(const QString&, bool)> report;
    QHash<QString, QSoundEffect*> effects;
};
} // namespace

class SoundPlugin : public QObject, public SoundEngineFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID MORVICK_SOUND_ENGINE_IID)
    Q_INTERFACES(SoundEngineFactory)

public:
    std::unique_ptr<SoundEngine> create(std::function<void(const QString&, bool)> loaded) override
    {
        return std::make_unique<EffectsEngine>(std::move(loaded));
    }
};

#include "soundplugin.moc"
