#pragma once

#include "ProgramFolders.h"

#include <QLockFile>
#include <QString>

#include <functional>
#include <memory>

namespace corvane::shell {

// One profile, one writer: the window and the command-line tool take this lock (a lock file beside
// "main.ini") before they write the profile's stores. A lock left by a process that died is taken
// over (also one it died before writing its note in); a live holder keeps it however long it runs.
class ProfileLock
{
public:
    explicit ProfileLock(const QString &profileFolder);
    ~ProfileLock();
    ProfileLock(const ProfileLock &) = delete;
    ProfileLock &operator=(const ProfileLock &) = delete;

    enum class Access {
        Ours,          // this object holds the lock
        HeldElsewhere, // another live process holds it
        NotWritable,   // the lock file cannot be made here (a read-only folder)
    };
    Access take();
    // False when the profile could not be locked, for either reason.
    bool tryLock();
    void unlock();
    bool isLocked() const;

    const QString &lockFilePath() const { return m_path; }
    // Who holds the lock, for the message: "process 1234 on host", or empty when unknown.
    QString holder() const;
    // The message shown when the profile is held by another process.
    QString busyMessage() const;
    // The message shown when the profile folder cannot be written.
    QString notWritableMessage() const;

private:
    bool isUnwrittenAndOld() const;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

inline const QString kProfileLockFileName = QStringLiteral("corvane.lock");

// The profile a run works in, with its lock held, or why there is none.
struct ClaimedProfile
{
    ProgramFolders folders;
    std::unique_ptr<ProfileLock> lock; // held when error is empty
    QString error;                     // why no profile could be locked, for the user
    bool heldElsewhere = false;        // the error is another copy holding it
    QString notice;                    // the profile moved to the per-user folder: what the user is told
};

using ProfileLockTaker = std::function<ProfileLock::Access(ProfileLock &)>;

// Locks the profile. A profile folder that cannot be written (an administrator's "main.ini" beside
// an installed program) is, when mayMove, replaced by configHome/corvane/, which starts from that
// "main.ini" when it has none of its own.
ClaimedProfile claimProfile(const ProgramFolders &folders, const QString &configHome, bool mayMove,
                            const ProfileLockTaker &take = [](ProfileLock &lock) { return lock.take(); });

} // namespace corvane::shell
