#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// One game per store: a lock file beside the settings file, so that games of
// one user in two sessions (with different runtime folders) still find each
// other. A lock left by a process that died is taken over.
class InstanceLock
{
public:
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
    std::unique_ptr<QLockFile> file;
    QString path;
};
