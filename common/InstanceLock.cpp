#include "common/InstanceLock.h"

#include "common/StepError.h"

InstanceLock::InstanceLock(const QString &databaseFile) : m_lock(databaseFile + QStringLiteral(".lock"))
{
    // Held for the program's lifetime: never stale by age, only when its owner is gone.
    m_lock.setStaleLockTime(0);
    if (m_lock.tryLock(0))
        return;
    if (m_lock.error() == QLockFile::LockFailedError)
        throw StepError(
            QStringLiteral("O banco de dados '%1' já está aberto por outro programa Nubrel.").arg(databaseFile));
    throw StepError(
        QStringLiteral("Não foi possível reservar o banco de dados '%1' para este programa.").arg(databaseFile));
}
