#pragma once

#include <QString>

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

// Test hook (test programs only, see TestHooks.h): the way renameWithoutReplacing goes. Native
// takes the first the system offers; Link goes straight to link and unlink; Unsupported answers
// NotSupported at once, as a share through FUSE does, so that callers take their lock-folder way.
enum class NoReplaceWay { Native, Link, Unsupported };
void setNoReplaceWayForTesting(NoReplaceWay way);

} // namespace corvane::platform
