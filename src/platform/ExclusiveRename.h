#pragma once

#include <QString>

#include <chrono>
#include <functional>

namespace corvane::platform {

enum class RenameOutcome {
    Done,         // the file now has the new name
    TargetExists, // the new name was taken; nothing changed
    NotSupported, // the file system cannot rename without replacing (SMB through FUSE)
    Failed,       // any other failure; reason says why
};

// Renames `from` to `to` only when `to` does not exist, in one step: renameat2 with
// RENAME_NOREPLACE, else link and unlink, on Windows MoveFileEx without replacing.
RenameOutcome renameWithoutReplacing(const QString &from, const QString &to, QString *reason = nullptr);

// Serialises the writers of one shared folder across machines with a lock folder: mkdir is atomic
// on every file server, unlike O_EXCL or file locks. A lock folder that has not changed for
// staleAfter is taken to belong to a writer that died and is removed. Hold it briefly.
// A holder that must know whether it still holds the lock (one about to rename over a name it
// tested) marks the lock folder with a token of its own: stillHeld() then tells whether the lock
// was broken as stale meanwhile, and a marked lock is never removed by a former holder. Marking
// costs two file operations, so it is asked for only where it is needed.
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

    // Marks the lock as this holder's, right after it is taken. Throws IoError.
    void mark();
    // False once another writer has broken this marked lock as stale.
    bool stillHeld() const;

private:
    void acquire(const QString &folder, Options options);
    QString m_lockPath;
    QString m_tokenPath;
};

// Runs a read-modify-write of a file in the folder under the folder's lock. A share refuses an
// update now and then for a moment (another client reads the file): it is tried again a few
// times, then the last error is thrown; a lock that cannot be had throws IoError at once. Blocks the calling thread: not for the UI thread.
void updateUnderFolderLock(const QString &folder, const std::function<void()> &update);

} // namespace corvane::platform
