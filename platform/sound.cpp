#include "sound.h"

QString soundFileName(Sound sound)
{
    switch (sound) {
    case Sound::Water:
        return QStringLiteral("water.wav");
    case Sound::Bell:
        return QStringLiteral("bell.wav");
    case Sound::Pot:
        return QStringLiteral("tubo.wav");
    }
    return {};
}
