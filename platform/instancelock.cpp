#include "instancelock.h"

#include "regularfile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>

#include <sys/file.h>

namespace {
// Beside the store first; the runtime folder (private to the user) only when
// the store's folder cannot hold the lock.
QStringList lockFolders(const QString& storeFolder)
{
    QStringList folders{storeFolder};
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        folders.append(runtime);
    return folders;
}

// Qt holds a native lock on its lock file for as long as its game runs, from
// before it writes the game's name in it: a file that refuses a shared lock is
// a running game's.
bool heldByAGame(const QString& path)
{
    const std::unique_ptr<QFile> file = openRegularFile(path);
    return file && ::flock(file->handle(), LOCK_SH | LOCK_NB) != 0;
}

// Qt takes over a lock whose process is gone, but not one that names no process
// at all. A game that has just made its lock file writes its name in it at once,
// so what still names nobody a moment later is a leftover.
bool namesNoGame(const QLockFile& lock, const QString& path)
{
    qint64 pid = 0;
    QString host, application;
    for (int look = 0; look < 5; ++look) {
        if (!QFileInfo(path).isFile() || lock.getLockInfo(&pid, &host, &application))
            return false;
        QThread::msleep(20);
    }
    return true;
}

// Qt removes a stale lock under a file of its own, which a full disk refuses:
// a lock it cannot take over, whose game on this machine is gone, is no game.
bool namesAGoneGame(const QLockFile& lock)
{
    qint64 pid = 0;
    QString host, application;
    return lock.getLockInfo(&pid, &host, &application) && host == QSysInfo::machineHostName() &&
           !QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid));
}
} // namespace

InstanceLock::Result InstanceLock::acquire()
{
    for (const QString& folder : lockFolders(storeFolder)) {
        QDir().mkpath(folder);
        path = QDir(folder).filePath(QStringLiteral("morvick.lock"));
        file = std::make_unique<QLockFile>(path);
        // Stale means "its process is gone", never "held for a while".
        file->setStaleLockTime(0);
        if (file->tryLock(0))
            return Result::Acquired;
        // Qt's removal refuses a lock file that a live game holds.
        const bool nameless = file->error() == QLockFile::LockFailedError && !heldByAGame(path) &&
                              namesNoGame(*file, path);
        if (nameless && file->removeStaleLockFile() && file->tryLock(0))
            return Result::Acquired;
        // Something else in the lock file's place (a folder, a nameless file that
        // will not go) is no running game. A lock file gone meanwhile is: another
        // start is taking it over.
        const QFileInfo info(path);
        const bool blocked = (info.exists() && !info.isFile()) || nameless || namesAGoneGame(*file);
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
