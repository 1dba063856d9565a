#pragma once

#include <QLockFile>
#include <QString>

// One program at a time on a database file: a lock file beside it, held
// while this object lives. A program that was killed leaves no lock behind:
// a lock whose program no longer runs is taken over.
class InstanceLock
{
public:
    // Throws StepError when another running program holds the lock.
    explicit InstanceLock(const QString &databaseFile);

private:
    QLockFile m_lock;
};
