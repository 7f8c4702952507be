#include "helpfile.h"

#include <QDir>

QString helpFileIn(const QString& directory)
{
    const QString name = QStringLiteral("morvickhelp.hlp");
    const QDir folder(directory);
    // Files without System leaves out FIFOs, sockets, devices and dangling links;
    // without Hidden, names starting with a dot.
    const QStringList found = folder.entryList({name}, QDir::Files | QDir::CaseSensitive);
    return found.contains(name) ? folder.filePath(name) : QString();
}
