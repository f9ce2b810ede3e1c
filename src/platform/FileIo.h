#pragma once

#include "Errors.h"
#include "NoReplaceRename.h"
#include "Retry.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QIODevice>
#include <QString>

#include <functional>

namespace corvane::platform {

// A write that failed: the message is "Unable to write to <path>"; reason() says why.
class WriteError : public IoError
{
public:
    WriteError(const QString &path, const QString &reason);
    const QString &path() const noexcept { return m_path; }
    const QString &reason() const noexcept { return m_reason; }

private:
    QString m_path;
    QString m_reason;
};

// Who may read a file or folder the program makes. Mail stays the user's: the profile, the stores,
// drafts, journals and received attachments are Private. What others must read (message files and
// attached files put in their folders, lock notes, exports the user places) is Shared: the folder's
// default ACLs and the umask decide there, as for any program, so a drop box keeps its rules.
enum class Access {
    Private, // files 0600 and folders 0700 whatever the umask; on Windows the user's default
    Shared,  // as the folder and the umask decide
};

// The one way the program makes a file: opens `file` with `mode` (which must write), creating it
// with `access`. A Private file is created 0600 from the start (no moment in which another user
// could open it) and then set to exactly 0600, so that a umask that removes the owner's rights
// changes nothing; an existing file opened so is made 0600 too. False when the open fails.
bool openNewFile(QFile &file, QIODevice::OpenMode mode, Access access);
// Makes the folder and the missing folders above it, each missing one with `access` (Private:
// 0700 whatever the umask); folders already there are left as they are. False when it cannot.
bool makeFolder(const QString &path, Access access);
// Whether the group or others may read the file or folder (its mode bits). Never on Windows,
// where a profile keeps the user's default rights.
bool readableByOthers(const QString &path);

// How a finished temporary file takes its name.
enum class Placing {
    Replace,         // over a file of that name (in one step where the system can)
    NoReplace,       // only while the name is free, in one step: renameWithoutReplacing
    TestThenReplace, // the name is tested, then renamed over: only where every writer of the
                     // folder holds its lock folder (FolderLock) meanwhile
};

// Gives a finished temporary file its name. Done, TargetExists (NoReplace, TestThenReplace: the
// name is taken, nothing changed), NotSupported (NoReplace on a file system without a
// no-replace rename) or Failed with the reason. A rename the share reports failed although the
// file has moved counts as Done. Throws WriteError for a fault set by setWriteFaultHookForTesting.
RenameOutcome placeFile(const QString &temporary, const QString &target, Placing placing, QString *reason);

// Fills the file being published.
using FileWriter = std::function<void(QFile &)>;
// Names the published file: given the temporary file once it is on disk, renames it with
// placeFile (under whatever lock and tries again it needs) and returns the path it took.
using FilePlacer = std::function<QString(const QString &temporary)>;

// The one way a whole file is published: `write` fills a new temporary file in `folder` (a name
// no scan for message or store files matches, created with `access`), which is flushed to disk
// (fsync, on Windows FlushFileBuffers) and closed; `place` then gives it its name. A failure or
// an exception from either removes the temporary file (tried again within `removal`, once when
// none: not on the UI thread otherwise) and is passed on. Returns the path placed. Throws
// WriteError naming the temporary file when it cannot be written.
QString publishFile(const QString &folder, const FileWriter &write, const FilePlacer &place, Access access,
                    const RetryPolicy *removal = nullptr);

// The first half of publishFile, for a file written on a worker and placed later on the thread
// that owns its target: writes, flushes and closes the temporary file in `folder` and returns its
// path. The caller places it (placeFile) or removes it. Throws WriteError, leaving nothing. With a
// `name`, the file has that name after the temporary prefix, and one a crash left under it is
// removed first: for a file only one writer makes at a time, so that a crash leaves one at most.
QString writeTemporaryFile(const QString &folder, const FileWriter &write, Access access,
                           const RetryPolicy *removal = nullptr, const QString &name = {});

// A placer that renames over `target`; a rename the share refuses for the moment is tried again
// within `retry` (once when none). Throws WriteError.
FilePlacer replacing(const QString &target, const RetryPolicy *retry = nullptr);

// Publishes a file atomically: the writer fills a temporary file in the target's folder (created
// with `access`), which is flushed to disk and then renamed over the target. A failure or an
// exception from the writer removes the temporary file and leaves the target as it was. Throws
// WriteError.
void writeFileAtomically(const QString &path, const std::function<void(QIODevice &)> &writer, Access access);
void writeFileAtomically(const QString &path, const QByteArray &content, Access access);

// What tells a store file's content from another beside its name: its size, its time and its
// last bytes. A store compares the stamp of its file with the one it last read or wrote before
// writing, to see that another installation changed it.
struct FileStamp
{
    static constexpr qint64 kTailBytes = 4096;
    qint64 size = -1;
    QDateTime modified;
    QByteArray tail; // the last kTailBytes
    bool operator==(const FileStamp &) const = default;
};
// The file's stamp now; an empty one (size -1) when it cannot be opened.
FileStamp fileStampOf(const QString &path);

// Flushes an open file's buffers and asks the system to put its data on the disk.
bool flushToDisk(QFile &file);
// Test hook (test programs only, see TestHooks.h): called with the file's name after each
// flushToDisk that succeeded, so that a test can see what reached the disk in which order.
void setFlushHookForTesting(std::function<void(const QString &fileName)> hook);

// Whether the file or folder is known not to be there. A share that fails to answer (EIO for a
// moment) says nothing about it: a removal taken as done on such an answer would leave the file
// (or a lock folder) behind.
bool isKnownMissing(const QString &path);

// Reads a whole file; refuses files larger than maxBytes. Throws IoError.
QByteArray readWholeFile(const QString &path, qint64 maxBytes = qint64(2) << 30);

// Test hook for a full disk or a crash (test programs only, see TestHooks.h): called with the
// target path after the temporary file is written and before it is renamed into place (by
// placeFile, so for every file published), and before a file is changed in place (writeInPlace);
// returning true makes the write fail there.
using WriteFaultHook = std::function<bool(const QString &path)>;
void setWriteFaultHookForTesting(WriteFaultHook hook);
// Throws the WriteError the hook asks for a write of the target (none without a hook, and never
// in a program without the test hooks): for the writes that change a file in place.
void checkWriteFault(const QString &target);

// The name prefix of temporary files, chosen so that no scan for message or store files matches.
QString temporaryFilePrefix();

} // namespace corvane::platform
