#include "gamefiles.h"

#include "helpfile.h"
#include "sound.h"

#include <QDir>
#include <QFileInfo>

namespace {
bool holdsGameFiles(const QDir& folder)
{
    QStringList names{japaneseHelpFile, englishHelpFile};
    for (const Sound sound : {Sound::Water, Sound::Bell, Sound::Pot})
        names.append(soundFileName(sound));
    for (const QString& name : names)
        if (QFileInfo::exists(folder.filePath(name)))
            return true;
    return false;
}
} // namespace

QString gameFilesFolder(const QString& executableFolder)
{
    const QDir beside(executableFolder);
    if (holdsGameFiles(beside))
        return beside.absolutePath();
    const QDir installed(beside.filePath(QStringLiteral("../share/morvick")));
    if (holdsGameFiles(installed))
        return QDir::cleanPath(installed.absolutePath());
    return beside.absolutePath();
}
