#include "AttachmentFetcher.h"

#include "core/AttachIni.h"
#include "core/MessageFileNames.h"
#include "platform/BackgroundCopies.h"
#include "platform/Errors.h"
#include "platform/FileNames.h"
#include "platform/IniFile.h"
#include "platform/NoReplaceRename.h"
#include "platform/Paths.h"

#include "Logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace corvane::receiving {

namespace {

// Whether the own inbox folder's Attach.ini counts fetches of the file still to come: then the
// folder serves others too and the file must stay. An unreadable file counts nothing.
bool countedForOthers(const QString &folder, const QString &fileName)
{
    try {
        return platform::IniFile(platform::joinPath(folder, core::kAttachIniFileName))
                   .readInteger(core::kAttachmentsSection, fileName, -1)
               >= 1;
    } catch (const Error &) {
        return false;
    }
}

// Copies the file into its message's folder, never over a file already there. True when the
// destination now holds the source's bytes.
bool copyKeeping(const QString &source, const QString &destination)
{
    try {
        if (platform::copyFileKeeping(source, destination, platform::Access::Private))
            return true;
        qCWarning(lcReceiving, "kept %s: another file has its name", qUtf8Printable(QDir::toNativeSeparators(destination)));
    } catch (const Error &) {
        // the source stays; the reader falls back to the inbox folder
    }
    return false;
}

// Moves the file out of the own inbox folder into its message's folder, never over a file already
// there: renamed where one file system holds both, else copied whole and then removed (a removal
// refused for the moment is tried again for a while).
void moveKeeping(const AttachmentFetchJob &job, const QString &source, const QString &destination,
                 platform::BackgroundCopies *copies)
{
    QString reason;
    switch (platform::renameWithoutReplacing(source, destination, &reason)) {
    case platform::RenameOutcome::Done:
        return;
    case platform::RenameOutcome::TargetExists:
        qCWarning(lcReceiving, "kept %s: another file has its name", qUtf8Printable(QDir::toNativeSeparators(destination)));
        return;
    case platform::RenameOutcome::NotSupported:
    case platform::RenameOutcome::Failed:
        break; // another file system, most likely: copy
    }
    if (copyKeeping(source, destination) && !platform::removeFileRetrying(source))
        copies->reportFailure({platform::CopyFailure::Step::SourceKept, job.FileName, job.SourceFolder, {}});
}

} // namespace

void AttachmentFetchJob::run(platform::BackgroundCopies *copies) const
{
    QThread::currentThread()->setObjectName(QStringLiteral("Receiving attachment"));
    const QString source = platform::joinPath(SourceFolder, FileName);
    const QString destination = platform::joinPath(DestFolder, FileName);
    // A file that has not arrived yet stays where it will arrive; so does one whose folder cannot
    // be made (it is still counted down, as after a failed copy).
    bool present = take == Take::None || QFileInfo(source).isFile();
    if (present && take != Take::None && take != Take::Copy && !platform::makeFolder(DestFolder, platform::Access::Private)) {
        copies->reportFailure({platform::CopyFailure::Step::Copy, FileName, DestFolder,
                               QCoreApplication::translate("AttachmentFetcher", "Unable to create the folder %1").arg(QDir::toNativeSeparators(DestFolder))});
        present = false;
    }
    bool copied = false;
    switch (present ? take : Take::None) {
    case Take::None:
        break;
    case Take::Copy:
    case Take::CopyKeeping:
        copied = copyKeeping(source, destination);
        break;
    case Take::Move:
        if (Claims.claims(source, FileName))
            qCWarning(lcReceiving, "left %s: another stored message opens it", qUtf8Printable(QDir::toNativeSeparators(source)));
        else if (countedForOthers(SourceFolder, FileName))
            copyKeeping(source, destination);
        else
            moveKeeping(*this, source, destination, copies);
        break;
    }
    const bool copying = take == Take::Copy || take == Take::CopyKeeping;
    bool removeSource = false;
    bool removed = false;
    try {
        // The source goes only after a complete copy, or when no copy was wanted.
        const core::FetchCount count = core::countDownFetch(SourceFolder, FileName, Counted, copied || !copying);
        removeSource = count.lastFetch && (copied || !copying);
        removed = count.sourceRemoved;
    } catch (const Error &error) {
        copies->reportFailure({platform::CopyFailure::Step::Record, FileName, SourceFolder, error.message()});
        return;
    }
    if (removeSource && !removed && QFileInfo::exists(source) && !platform::removeFileRetrying(source))
        copies->reportFailure({platform::CopyFailure::Step::SourceKept, FileName, SourceFolder, {}});
}

AttachmentFetcher::AttachmentFetcher(platform::BackgroundCopies &copies) : m_copies(copies) {}

void AttachmentFetcher::GetAttach(const QStringList &attachmentNames, const QString &folderText, bool copy,
                                  const QString &ownInboxText, const QString &messageFolderText,
                                  const InboxFolderClaims &claims)
{
    if (attachmentNames.isEmpty())
        return;
    // Folders typed without their trailing separator still name the folder itself.
    const QString folder = platform::withTrailingSeparator(folderText);
    const QString ownInbox = platform::withTrailingSeparator(ownInboxText);
    const QString messageFolder = platform::withTrailingSeparator(messageFolderText);
    if (folder.isEmpty() || ownInbox.isEmpty())
        return; // never a path relative to wherever the program runs
    const bool inOwnFolder = folder == ownInbox;
    using Take = AttachmentFetchJob::Take;
    Take take = Take::None;
    if (copy && !messageFolder.isEmpty())
        take = inOwnFolder ? Take::Move : Take::CopyKeeping;
    else if (copy && !inOwnFolder)
        take = Take::Copy; // a message without a folder of its own: into the own inbox folder
    const QString destination = messageFolder.isEmpty() ? ownInbox : messageFolder;
    platform::BackgroundCopies *copies = &m_copies;
    for (const QString &name : attachmentNames) {
        // A name that would reach outside the folder builds no path; one of the mail's own files
        // (a message file, Attach.ini, a temporary or lock name) is never written or counted.
        if (!platform::isValidFileName(name) || core::isMailFolderFileName(name))
            continue;
        const AttachmentFetchJob job{folder, name, destination, take, !inOwnFolder, claims};
        m_copies.start([job, copies] { job.run(copies); });
    }
}

} // namespace corvane::receiving
