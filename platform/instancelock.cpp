#include "instancelock.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {
// Beside the store first; the runtime folder (private to the user) only when
// the store's folder cannot hold the lock.
QStringList lockFolders()
{
    QStringList folders{QFileInfo(QSettings().fileName()).absolutePath()};
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        folders.append(runtime);
    return folders;
}
} // namespace

InstanceLock::Result InstanceLock::acquire()
{
    for (const QString& folder : lockFolders()) {
        QDir().mkpath(folder);
        path = QDir(folder).filePath(QStringLiteral("morvick.lock"));
        file = std::make_unique<QLockFile>(path);
        // Stale means "its process is gone", never "held for a while".
        file->setStaleLockTime(0);
        if (file->tryLock(0))
            return Result::Acquired;
        // Something else in the lock file's place (a folder, say) is no running
        // game. A lock file gone meanwhile is: another start is taking it over.
        const QFileInfo info(path);
        const bool blocked = info.exists() && !info.isFile();
        if (file->error() == QLockFile::LockFailedError && !blocked)
            return Result::HeldByAnother;
    }
    file.reset();
    return Result::Unavailable;
}

void InstanceLock::release()
{
    if (file)
        file->unlock();
}
