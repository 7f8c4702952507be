#include "sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString& fixedDirectory()
{
    static QString directory;
    return directory;
}

bool holdsGameFiles(const QString& directory)
{
    return QFileInfo::exists(directory + QStringLiteral("/morvickhelp.hlp"));
}
} // namespace

QString programDirectory()
{
    if (!fixedDirectory().isEmpty())
        return fixedDirectory();
    // Built, the files lie beside the game; installed, in the shared data folder.
    // The game's own folder wins, so a build never plays an installed copy's files.
    const QString own = QCoreApplication::applicationDirPath();
    if (holdsGameFiles(own))
        return own;
    const QString shared = QDir::cleanPath(own + QStringLiteral("/../share/morvick"));
    return holdsGameFiles(shared) ? shared : own;
}

void setProgramDirectoryForTesting(const QString& directory)
{
    fixedDirectory() = directory;
}
