#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace corvane::shell {

// One profile, one writer: the window and the command-line tool take this lock (a lock file beside
// "main.ini") before they write the profile's stores. A lock left by a process that died is taken
// over; a live holder keeps it however long it runs.
class ProfileLock
{
public:
    explicit ProfileLock(const QString &profileFolder);
    ~ProfileLock();
    ProfileLock(const ProfileLock &) = delete;
    ProfileLock &operator=(const ProfileLock &) = delete;

    // False when another live process holds the profile.
    bool tryLock();
    void unlock();
    bool isLocked() const;

    const QString &lockFilePath() const { return m_path; }
    // Who holds the lock, for the message: "process 1234 on host", or empty when unknown.
    QString holder() const;
    // The message shown when the profile is held by another process.
    QString busyMessage() const;

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

inline const QString kProfileLockFileName = QStringLiteral("corvane.lock");

} // namespace corvane::shell
