#pragma once

#include <QLockFile>
#include <memory>

// One game per user: a lock file in the user's runtime folder, which only the
// user can write. A lock left by a process that died is taken over.
class InstanceLock
{
public:
    InstanceLock();
    bool acquire();
    void release();

private:
    std::unique_ptr<QLockFile> file;
};
