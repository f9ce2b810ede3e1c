#include "AttachmentSending.h"

#include "platform/BackgroundCopies.h"
#include "platform/Errors.h"
#include "platform/ExclusiveRename.h"
#include "platform/FileNames.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"

#include <QFileInfo>
#include <QThread>

namespace corvane::sending {

void recordAttachedFile(const QString &sourcePath, const QString &destinationFolder, const QString &server,
                        int messageFiles)
{
    const QString folder = platform::withTrailingSeparator(destinationFolder);
    const QString key = QFileInfo(sourcePath).fileName();
    // Other machines update the same Attach.ini: each read-modify-write holds the folder's lock.
    platform::updateUnderFolderLock(folder, [&] {
        platform::IniFile ini(folder + kAttachIniFileName);
        if (server == addressbook::kTrue) {
            const int count = ini.readInteger(kAttachmentsSection, key, 0);
            if (count != -1)
                ini.writeInteger(kAttachmentsSection, key, count + messageFiles);
        } else {
            ini.writeInteger(kAttachmentsSection, key, -1);
        }
    });
}

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
        const int messageFiles = target.Server == addressbook::kFalse ? 1 : int(recipientNames.size());
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
        if (!platform::isValidFileName(name) || platform::isMailFolderFileName(name))
            return;
        try {
            platform::copyFileReplacing(source, destinationFolder + name);
        } catch (const Error &error) {
            // The rest of this target's list is neither copied nor recorded; the user learns why.
            if (copies)
                copies->reportProblem(error.message());
            return;
        }
        try {
            recordAttachedFile(source, destinationFolder, server, messageFiles);
        } catch (const Error &error) {
            if (copies)
                copies->reportProblem(error.message());
        }
    }
}

} // namespace corvane::sending
