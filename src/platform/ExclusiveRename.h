#pragma once

#include <QString>

#include <chrono>

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

private:
    void acquire(const QString &folder, Options options);
    QString m_lockPath;
};

} // namespace corvane::platform
