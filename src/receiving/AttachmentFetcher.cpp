#include "AttachmentFetcher.h"

#include "core/AttachIni.h"
#include "core/MessageFileNames.h"
#include "platform/BackgroundCopies.h"
#include "platform/Errors.h"
#include "platform/FileNames.h"
#include "platform/Paths.h"

#include <QFileInfo>
#include <QThread>

namespace corvane::receiving {

void AttachmentFetchJob::run(platform::BackgroundCopies *copies) const
{
    QThread::currentThread()->setObjectName(QStringLiteral("Receiving attachment"));
    const QString source = platform::joinPath(SourceFolder, FileName);
    bool copied = false;
    if (Copy) {
        try {
            platform::copyFileReplacing(source, platform::joinPath(DestFolder, FileName));
            copied = true;
        } catch (const Error &) {
            // the source stays; the reader shows the attachment as missing
        }
    }
    bool removeSource = false;
    bool removed = false;
    try {
        // The source goes only after a complete copy, or when no copy was wanted.
        const core::FetchCount count = core::countDownFetch(SourceFolder, FileName, Counted, copied || !Copy);
        removeSource = count.lastFetch && (copied || !Copy);
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
                                  const QString &ownInboxText)
{
    if (attachmentNames.isEmpty())
        return;
    // Folders typed without their trailing separator still name the folder itself.
    const QString folder = platform::withTrailingSeparator(folderText);
    const QString ownInbox = platform::withTrailingSeparator(ownInboxText);
    if (folder.isEmpty() || ownInbox.isEmpty())
        return; // never a path relative to wherever the program runs
    const bool inOwnFolder = folder == ownInbox;
    if (inOwnFolder)
        copy = false; // the files already lie where they are wanted
    platform::BackgroundCopies *copies = &m_copies;
    for (const QString &name : attachmentNames) {
        // A name that would reach outside the folder builds no path; one of the mail's own files
        // (a message file, Attach.ini, a temporary or lock name) is never written or counted.
        if (!platform::isValidFileName(name) || core::isMailFolderFileName(name))
            continue;
        const AttachmentFetchJob job{folder, name, ownInbox, copy, !inOwnFolder};
        m_copies.start([job, copies] { job.run(copies); });
    }
}

} // namespace corvane::receiving
