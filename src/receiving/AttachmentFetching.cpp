#include "AttachmentFetching.h"

#include "platform/BackgroundCopies.h"
#include "platform/Errors.h"
#include "platform/FileNames.h"
#include "platform/IniFile.h"
#include "platform/XmlNodes.h"

#include <QDir>
#include <QThread>
#include <QTimer>

namespace corvane::receiving {

void TRec::run(platform::BackgroundCopies *copies) const
{
    QThread::currentThread()->setObjectName(QStringLiteral("Receiving attachment"));
    const QString source = SourceFolder + FileName;
    try {
        platform::copyFileReplacing(source, DestFolder + FileName);
    } catch (const Error &) {
        return; // the source stays; the reader shows the attachment as missing
    }
    if (DeleteSource && !platform::removeFileRetrying(source))
        copies->reportProblem(QStringLiteral("The attachment %1 was fetched, but it could not be removed from %2 "
                                             "because another program holds it open.")
                                  .arg(FileName, QDir::toNativeSeparators(SourceFolder)));
}

namespace {

// Counts one fetch of the file down, and removes an entry that is no longer needed.
void countDown(const QString &iniPath, const QString &name, bool copied)
{
    platform::IniFile ini(iniPath);
    if (copied) {
        const int value = ini.readInteger(kAttachmentsSection, name, -1);
        if (value == -1)
            ini.deleteKey(kAttachmentsSection, name);
        if (ini.valueExists(kAttachmentsSection, name)) {
            if (value - 1 == 0)
                ini.deleteKey(kAttachmentsSection, name);
            else
                ini.writeInteger(kAttachmentsSection, name, value - 1);
        }
    }
    if (ini.readInteger(kAttachmentsSection, name, -1) == -1)
        ini.deleteKey(kAttachmentsSection, name);
}

// A share may refuse to replace Attach.ini for a moment (another client reads it): the update is
// tried again a little later on the UI thread rather than dropped or stopping the check.
void countDownWithRetries(const QString &iniPath, const QString &name, bool copied, int attempt,
                          platform::BackgroundCopies *copies)
{
    try {
        countDown(iniPath, name, copied);
    } catch (const Error &error) {
        if (attempt >= 8) {
            copies->reportProblem(error.message());
            return;
        }
        QTimer::singleShot(250 * attempt, copies,
                           [=] { countDownWithRetries(iniPath, name, copied, attempt + 1, copies); });
    }
}

} // namespace

AttachmentFetcher::AttachmentFetcher(platform::BackgroundCopies &copies) : m_copies(copies) {}

void AttachmentFetcher::GetAttach(const pugi::xml_node &message, const QString &folder, bool copy,
                                  const QString &ownInbox)
{
    const pugi::xml_node attachments = message.child("Attachments");
    if (!attachments.child("Attachment"))
        return;
    if (folder == ownInbox)
        copy = false; // the files already lie where they are wanted
    const QString iniPath = folder + kAttachIni;
    for (const pugi::xml_node &attachment : attachments.children("Attachment")) {
        const QString name = platform::xml::attributeText(attachment, "Filename");
        if (!platform::isValidFileName(name))
            continue; // a name that would reach outside the folder builds no path
        if (copy) {
            const int count = platform::IniFile(iniPath).readInteger(kAttachmentsSection, name, -1);
            // The source goes with the last fetch the count allows for; while it says that more
            // sends still wait for their recipients, the file stays for them.
            const TRec job{folder, name, ownInbox, count == 1};
            platform::BackgroundCopies *copies = &m_copies;
            m_copies.start([job, copies] { job.run(copies); });
        }
        countDownWithRetries(iniPath, name, copy, 1, &m_copies);
    }
}

} // namespace corvane::receiving
