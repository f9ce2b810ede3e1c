#include "AttachmentSending.h"

#include "core/AttachIni.h"
#include "core/MessageFileNames.h"
#include "core/Truth.h"
#include "platform/BackgroundCopies.h"
#include "platform/Errors.h"
#include "platform/FileNames.h"
#include "platform/Paths.h"

#include <QFileInfo>
#include <QThread>

namespace corvane::sending {

AttachmentSending::AttachmentSending(platform::BackgroundCopies &copies, QObject *parent)
    : QObject(parent), m_copies(copies)
{
}

void AttachmentSending::SendAtachmentsProc(const addressbook::RecipientList &targets, const QStringList &paths,
                                           const QStringList &recipientNames)
{
    if (paths.isEmpty())
        return; // nothing to copy: no job, no Attach.ini
    platform::BackgroundCopies *copies = &m_copies;
    for (const addressbook::RecipientEntry &target : targets) {
        const int messageFiles = !target.isServer() ? 1 : int(recipientNames.size());
        const AttachmentCopyJob job{platform::withTrailingSeparator(target.Inbox), paths, target.Server, messageFiles};
        m_copies.start([job, copies] { job.run(copies); });
    }
}

void AttachmentCopyJob::run(platform::BackgroundCopies *copies) const
{
    QThread::currentThread()->setObjectName(QStringLiteral("Sending attachments"));
    if (destinationFolder.isEmpty())
        return; // never a path relative to wherever the program runs
    for (const QString &source : files) {
        const QString name = QFileInfo(source).fileName();
        // Never builds a path from such a name, nor replaces a file the mail itself keeps there.
        if (!platform::isValidFileName(name) || core::isMailFolderFileName(name))
            return;
        try {
            platform::copyFileReplacing(source, platform::joinPath(destinationFolder, name));
        } catch (const Error &error) {
            // The rest of this target's list is neither copied nor recorded; the user learns why.
            if (copies)
                copies->reportFailure({platform::CopyFailure::Step::Copy, name, destinationFolder, error.message()});
            return;
        }
        try {
            core::recordAttachmentSent(destinationFolder, name, core::isTrue(server), messageFiles);
        } catch (const Error &error) {
            if (copies)
                copies->reportFailure({platform::CopyFailure::Step::Record, name, destinationFolder, error.message()});
        }
    }
}

} // namespace corvane::sending
