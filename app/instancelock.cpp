#include "instancelock.h"

#include <QDir>
#include <QStandardPaths>

namespace {
QString lockFolder()
{
    // The runtime folder is private to the user; without one, fall back to the
    // user's own config folder rather than a shared place such as /tmp.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                 QStringLiteral("/morvick");
    QDir().mkpath(folder);
    return folder;
}
} // namespace

InstanceLock::InstanceLock()
    : file(std::make_unique<QLockFile>(lockFolder() + QStringLiteral("/morvick.lock")))
{
    // Stale means "its process is gone", never "held for a while".
    file->setStaleLockTime(0);
}

bool InstanceLock::acquire()
{
    return file->tryLock(0);
}

void InstanceLock::release()
{
    file->unlock();
}
