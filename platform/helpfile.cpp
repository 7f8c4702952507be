#include "helpfile.h"

#include <QDir>
#include <QFileInfo>

QString helpFileIn(const QString& directory, const QString& name)
{
    const QDir folder(directory);
    // Files without System leaves out FIFOs, sockets, devices and dangling links;
    // without Hidden, names starting with a dot.
    const QStringList found = folder.entryList({name}, QDir::Files | QDir::CaseSensitive);
    // A link passes that filter whatever it points to, so it is followed here.
    const QString path = folder.filePath(name);
    return found.contains(name) && QFileInfo(path).isFile() ? path : QString();
}
