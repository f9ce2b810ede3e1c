#pragma once

#include <QElapsedTimer>
#include <QString>

#include <chrono>
#include <functional>
#include <optional>

namespace corvane::platform {

// Serialises the writers of one shared folder across machines with a lock folder: mkdir is atomic
// on every file server, unlike O_EXCL or file locks. A lock folder that has not changed for
// staleAfter is taken to belong to a writer that died and is removed. Hold it briefly.
// A lock can only be broken as stale once it has stood unchanged for staleAfter, so a holder
// that has held it for less than half of that still holds it (stillHeld, no file operation
// needed). A holder past that may have lost it to another writer: it relies on it no longer and
// leaves the lock folder alone, so that it never removes a lock another writer has taken since.
class FolderLock
{
public:
    struct Options
    {
        std::chrono::milliseconds staleAfter{30000};
        std::chrono::milliseconds giveUpAfter{60000};
    };

    // The lock folder's path for a folder (ending in a separator).
    static QString lockPathFor(const QString &folder);

    // Waits (sleeping between attempts, on the calling thread) until the lock is taken. Throws
    // IoError when the folder cannot be locked within giveUpAfter.
    explicit FolderLock(const QString &folder);
    FolderLock(const QString &folder, Options options);
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    // False once the lock has been held long enough that another writer may have broken it.
    bool stillHeld() const;

private:
    void acquire(const QString &folder, Options options);
    QString m_lockPath;
    QElapsedTimer m_heldFor;
    std::chrono::milliseconds m_staleAfter{0};
};

// A lock folder held for as long as a store is open for writing, so that a second installation
// sharing the folder (one user on two machines, a file-sync tool) opens the store read-only. The
// folder holds a note naming its holder, which the holder rewrites now and then (refresh()). A
// lock whose note has not been rewritten for staleAfter is taken to be left by a copy that died and
// is broken; so is one whose note provably comes from this machine, in this boot, and names a
// process that has ended here. A note from another machine (even one with the same host name),
// from another boot or without the machine's identity (older copies) goes by its age alone.
// Each holder puts a token of its own in the note: refresh() and release() act only while the note
// still carries it, so that a holder whose lock was broken (its refreshes stalled, for example
// while the machine slept) never rewrites or removes the lock of the copy that took it over.
class SessionLock
{
public:
    enum class Outcome {
        Taken,         // this object holds the lock
        HeldElsewhere, // another live copy holds it
        Refused,       // the folder cannot be written here; reason() says why
    };

    static constexpr std::chrono::milliseconds kStaleAfter{10 * 60 * 1000};
    // How often the holder rewrites its note: well within the stale time.
    static constexpr std::chrono::milliseconds kRefreshEvery{2 * 60 * 1000};

    explicit SessionLock(const QString &lockPath, std::chrono::milliseconds staleAfter = kStaleAfter);
    ~SessionLock(); // releases a lock it holds
    SessionLock(const SessionLock &) = delete;
    SessionLock &operator=(const SessionLock &) = delete;

    Outcome take();
    bool isHeld() const { return m_held; }
    enum class Refresh {
        Kept,      // the note still names this holder: rewritten
        Unreached, // the note could not be read (the share is away): nothing written, still held
        TakenOver, // another copy broke the lock: no longer held, and left alone
        NotHeld,   // the lock was not held
    };
    // Rewrites the holder's note, so that others do not take the lock for stale, when the note
    // still names this holder. A note that names another holder, or is gone while the folder
    // around the lock answers, means that the lock was broken and perhaps taken by another copy:
    // this object holds it no more and leaves it alone. A note that cannot be read says nothing
    // about who holds the lock: the next refresh looks again.
    Refresh refresh();
    // Removes the lock folder, only when its note still names this holder.
    void release();

    const QString &path() const { return m_path; }
    // Who holds the lock, as its note says ("process 1234 (corvane) on host"), or empty.
    QString holder() const;
    const QString &reason() const { return m_reason; }

private:
    enum class Ownership { Ours, Others, Unknown };
    Ownership ownership() const;
    void writeNote();
    QString m_path;
    std::chrono::milliseconds m_staleAfter;
    QString m_reason;
    QString m_token;
    bool m_held = false;
};

// What tells this machine, in this boot, from every other, for the notes of session locks: on
// Linux the machine id with the boot id and the process id namespace (a container or sandbox sees
// other process ids), on Windows the machine GUID. Empty when the system does not say; a note
// with an empty identity belongs to no machine provably.
QString machineIdentity();
// Test seam: the identity machineIdentity() answers from now on, so that one test can play two
// machines with one host name; std::nullopt goes back to the real one.
void setMachineIdentityForTesting(const std::optional<QString> &identity);

// Removes the folder's lock folder when it was last changed more than `olderThan` ago by this
// machine's clock: a writer that died left it. Writers hold the lock for milliseconds, so only a
// generous age is safe against another machine's clock. For the folder's owner: in a drop box
// (others may create, but not remove, entries) nobody else can break such a lock, and every
// sender would wait for it and give up. True when one was removed.
bool removeAbandonedFolderLock(const QString &folder, std::chrono::milliseconds olderThan);

// Runs a read-modify-write of a file in the folder under the folder's lock. A share refuses an
// update now and then for a moment (another client reads the file): it is tried again a few
// times, then the last error is thrown; a lock that cannot be had throws IoError at once. Blocks
// the calling thread: not for the UI thread.
void updateUnderFolderLock(const QString &folder, const std::function<void()> &update);

} // namespace corvane::platform
