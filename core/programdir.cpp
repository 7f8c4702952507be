#include "sound.h"

#include <QCoreApplication>

namespace {
QString& fixedDirectory()
{
    static QString directory;
    return directory;
}
} // namespace

QString programDirectory()
{
    if (!fixedDirectory().isEmpty())
        return fixedDirectory();
    return QCoreApplication::applicationDirPath();
}

void setProgramDirectoryForTesting(const QString& directory)
{
    fixedDirectory() = directory;
}
