#include "ProfileLock.h"
#include "platform/Paths.h"

#include "Settings.h"

#include "platform/FileIo.h"
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace corvane::shell {

ProfileLock::ProfileLock(const QString &profileFolder)
    : m_path(platform::joinPath(profileFolder, kProfileLockFileName)), m_lock(std::make_unique<QLockFile>(m_path))
{
    // Age alone never makes the lock stale: a window may hold its profile for days. A lock whose
    // process has died on this machine is still recognised and taken over: Qt takes it for dead
    // only when its note names this host name and this machine's id and a process not running, and
    // removes it only once it gets the file's own lock, which a live holder keeps (flock; on
    // Windows the file held open): on a share that passes that lock on, a machine with the same
    // host name cannot take a live one.
    m_lock->setStaleLockTime(0);
}

ProfileLock::~ProfileLock() = default;

namespace {

// A copy that died between making its lock file and writing its note in it leaves an empty file,
// which names no process and so is never stale. A live copy writes the note at once: a file that
// still names nobody after this long is taken over.
constexpr qint64 kUnwrittenLockMs = 10000;

} // namespace

bool ProfileLock::isUnwrittenAndOld() const
{
    qint64 pid = 0;
    QString host;
    QString application;
    const QFileInfo file(m_path);
    return !m_lock->getLockInfo(&pid, &host, &application) && file.exists()
        && file.lastModified().msecsTo(QDateTime::currentDateTime()) > kUnwrittenLockMs;
}

ProfileLock::Access ProfileLock::take()
{
    if (m_lock->isLocked() || m_lock->tryLock(0))
        return Access::Ours;
    if (m_lock->error() == QLockFile::LockFailedError && isUnwrittenAndOld() && m_lock->removeStaleLockFile()
        && m_lock->tryLock(0))
        return Access::Ours;
    // Only a lock file that is there and alive means another copy; a file that cannot be made
    // means a folder this user may not write.
    return m_lock->error() == QLockFile::LockFailedError ? Access::HeldElsewhere : Access::NotWritable;
}

bool ProfileLock::tryLock()
{
    return take() == Access::Ours;
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
    return QCoreApplication::translate("ProfileLock", "process %1 (%2) on %3").arg(pid).arg(application, host);
}

QString ProfileLock::busyMessage() const
{
    const QString who = holder();
    const QString folder = QDir::toNativeSeparators(QFileInfo(m_path).absolutePath());
    if (who.isEmpty())
        return QCoreApplication::translate(
                   "ProfileLock", "The profile in %1 is in use by another copy of Corvane. Close it and try again.")
            .arg(folder);
    return QCoreApplication::translate(
               "ProfileLock", "The profile in %1 is in use by another copy of Corvane (%2). Close it and try again.")
        .arg(folder, who);
}

QString ProfileLock::notWritableMessage() const
{
    return QCoreApplication::translate("ProfileLock", "Corvane cannot write in the profile folder %1, where it keeps "
                                                      "its settings and stores. Choose a folder you may write.")
        .arg(QDir::toNativeSeparators(QFileInfo(m_path).absolutePath()));
}

ClaimedProfile claimProfile(const ProgramFolders &folders, const QString &configHome, bool mayMove,
                            const ProfileLockTaker &take)
{
    ClaimedProfile claimed{folders, std::make_unique<ProfileLock>(folders.profile), {}, false, {}};
    auto settle = [&claimed, &take] {
        switch (take(*claimed.lock)) {
        case ProfileLock::Access::Ours:
            return true;
        case ProfileLock::Access::HeldElsewhere:
            claimed.error = claimed.lock->busyMessage();
            claimed.heldElsewhere = true;
            return true;
        case ProfileLock::Access::NotWritable:
            claimed.error = claimed.lock->notWritableMessage();
            return false;
        }
        return true;
    };
    if (settle())
        return claimed;
    const QString own = platform::withTrailingSeparator(
        QDir::toNativeSeparators(QDir::cleanPath(QDir(configHome).filePath(QStringLiteral("corvane")))));
    if (!mayMove || QDir(own) == QDir(folders.profile))
        return claimed;
    if (!platform::folderExists(own) && !platform::makeFolder(own, platform::Access::Private))
        return claimed;
    // The administrator's settings are the user's first ones; later ones are the user's own.
    const QString given = folders.profile + kSettingsFileName;
    const auto copyGiven = [&] {
        try {
            platform::writeFileAtomically(own + kSettingsFileName, platform::readWholeFile(given),
                                          platform::Access::Private);
            return true;
        } catch (const Error &) {
            return false;
        }
    };
    if (!platform::fileExists(own + kSettingsFileName) && platform::fileExists(given) && !copyGiven()) {
        claimed.error = QCoreApplication::translate("ProfileLock", "Corvane cannot write in %1, and could not "
                                                                   "copy its settings into %2.")
                            .arg(QDir::toNativeSeparators(folders.profile), QDir::toNativeSeparators(own));
        return claimed;
    }
    claimed.folders = ProgramFolders(own, folders.data);
    claimed.lock = std::make_unique<ProfileLock>(own);
    claimed.error.clear();
    if (settle())
        claimed.notice = claimed.error.isEmpty()
            ? QCoreApplication::translate("ProfileLock", "Corvane cannot write in %1, so it keeps your settings and "
                                                         "stores in %2, starting from the settings in %1.")
                  .arg(QDir::toNativeSeparators(folders.profile), QDir::toNativeSeparators(own))
            : QString();
    return claimed;
}

} // namespace corvane::shell
