#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// One game per store: a lock file beside the settings file, so that games of
// one user in two sessions (with different runtime folders) still find each
// other. A lock that names no live game (left by a process that died, or empty
// after a power cut) is taken over.
class InstanceLock
{
public:
    /* storeFolder: the folder of the settings file */
    explicit InstanceLock(const QString& storeFolder) : storeFolder(storeFolder) {}

    enum class Result {
        Acquired,
        HeldByAnother,
        /* no folder could take the lock file */
        Unavailable
    };

    Result acquire();
    void release();
    /* the lock file tried last */
    QString fileName() const { return path; }

private:
    QString storeFolder;
    std::unique_ptr<QLockFile> file;
    QString path;
};
