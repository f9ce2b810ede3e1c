#include "ProfileLock.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>

namespace corvane::shell {

ProfileLock::ProfileLock(const QString &profileFolder)
    : m_path(platform::joinPath(profileFolder, kProfileLockFileName)), m_lock(std::make_unique<QLockFile>(m_path))
{
    // Age alone never makes the lock stale: a window may hold its profile for days. A lock whose
    // process has died on this machine is still recognised and taken over.
    m_lock->setStaleLockTime(0);
}

ProfileLock::~ProfileLock() = default;

bool ProfileLock::tryLock()
{
    if (m_lock->isLocked())
        return true;
    return m_lock->tryLock(0);
}

void ProfileLock::unlock()
{
    m_lock->unlock();
}

bool ProfileLock::isLocked() const
{
    return m_lock->isLocked();
}

QString ProfileLock::holder() const
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (!m_lock->getLockInfo(&pid, &host, &application))
        return {};
    return QStringLiteral("process %1 (%2) on %3").arg(pid).arg(application, host);
}

QString ProfileLock::busyMessage() const
{
    const QString who = holder();
    QString message = QStringLiteral("The profile in %1 is in use by another copy of Corvane")
                          .arg(QDir::toNativeSeparators(QFileInfo(m_path).absolutePath()));
    if (!who.isEmpty())
        message += QStringLiteral(" (%1)").arg(who);
    return message + QStringLiteral(". Close it and try again.");
}

} // namespace corvane::shell
