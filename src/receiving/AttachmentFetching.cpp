#include "AttachmentFetching.h"

#include "platform/BackgroundCopies.h"
#include "platform/Errors.h"
#include "platform/ExclusiveRename.h"
#include "platform/FileNames.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/XmlNodes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace corvane::receiving {

namespace {

// Counts one fetch of the file down and clears an entry that is no longer needed; true when the
// last counted fetch is done and the source may go. Runs under the folder's lock.
bool countDown(const QString &iniPath, const QString &name, bool counted)
{
    platform::IniFile ini(iniPath);
    if (!ini.valueExists(kAttachmentsSection, name))
        return false;
    const int value = ini.readInteger(kAttachmentsSection, name, -1);
    if (value < 1) {
        ini.deleteKey(kAttachmentsSection, name); // -1: delivered to a personal folder, nothing to count
        return false;
    }
    if (!counted)
        return false;
    if (value == 1) {
        ini.deleteKey(kAttachmentsSection, name);
        return true;
    }
    ini.writeInteger(kAttachmentsSection, name, value - 1);
    return false;
}

} // namespace

void AttachmentFetchJob::run(platform::BackgroundCopies *copies) const
{
    QThread::currentThread()->setObjectName(QStringLiteral("Receiving attachment"));
    const QString source = SourceFolder + FileName;
    bool copied = false;
    if (Copy) {
        try {
            platform::copyFileReplacing(source, DestFolder + FileName);
            copied = true;
        } catch (const Error &) {
            // the source stays; the reader shows the attachment as missing
        }
    }
    bool removeSource = false;
    bool removed = false;
    try {
        platform::updateUnderFolderLock(SourceFolder, [&] {
            removeSource = countDown(SourceFolder + kAttachIni, FileName, Counted) && (copied || !Copy);
            // Removed while the lock keeps senders from counting a new copy of the name meanwhile.
            removed = removeSource && QFile::remove(source);
        });
    } catch (const Error &error) {
        copies->reportProblem(error.message());
        return;
    }
    if (removeSource && !removed && QFileInfo::exists(source) && !platform::removeFileRetrying(source))
        copies->reportProblem(QStringLiteral("The attachment %1 was fetched, but it could not be removed from %2 "
                                             "because another program holds it open.")
                                  .arg(FileName, QDir::toNativeSeparators(SourceFolder)));
}

AttachmentFetcher::AttachmentFetcher(platform::BackgroundCopies &copies) : m_copies(copies) {}

void AttachmentFetcher::GetAttach(const pugi::xml_node &message, const QString &folderText, bool copy,
                                  const QString &ownInboxText)
{
    const pugi::xml_node attachments = message.child("Attachments");
    if (!attachments.child("Attachment"))
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
    for (const pugi::xml_node &attachment : attachments.children("Attachment")) {
        const QString name = platform::xml::attributeText(attachment, "Filename");
        // A name that would reach outside the folder builds no path; one of the mail's own files
        // (a message file, Attach.ini, a temporary or lock name) is never written or counted.
        if (!platform::isValidFileName(name) || platform::isMailFolderFileName(name))
            continue;
        const AttachmentFetchJob job{folder, name, ownInbox, copy, !inOwnFolder};
        m_copies.start([job, copies] { job.run(copies); });
    }
}

} // namespace corvane::receiving
