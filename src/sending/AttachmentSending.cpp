#include "AttachmentSending.h"

#include "platform/BackgroundCopies.h"
#include "platform/Errors.h"
#include "platform/FileNames.h"
#include "platform/IniFile.h"
#include "platform/UiThread.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

namespace corvane::sending {

namespace {

// A share may refuse to replace Attach.ini for a moment (another client reads it): the update is
// tried again a little later on the UI thread instead of being dropped.
void recordWithRetries(const QString &source, const QString &folder, const QString &server, int attempt,
                       platform::BackgroundCopies *copies)
{
    try {
        recordAttachedFile(source, folder, server);
    } catch (const Error &error) {
        if (attempt >= 8) {
            if (copies)
                copies->reportProblem(error.message());
            return;
        }
        QTimer::singleShot(250 * attempt, copies, [=] { recordWithRetries(source, folder, server, attempt + 1, copies); });
    }
}

} // namespace

void recordAttachedFile(const QString &sourcePath, const QString &destinationFolder, const QString &server)
{
    platform::IniFile ini(destinationFolder + kAttachIniFileName);
    const QString key = QFileInfo(sourcePath).fileName();
    if (server == addressbook::kTrue) {
        const int count = ini.readInteger(kAttachmentsSection, key, 0);
        if (count != -1)
            ini.writeInteger(kAttachmentsSection, key, count + 1);
    } else {
        ini.writeInteger(kAttachmentsSection, key, -1);
    }
}

AttachmentSending::AttachmentSending(platform::BackgroundCopies &copies, QObject *parent)
    : QObject(parent), m_copies(copies)
{
}

void AttachmentSending::SendAtachmentsProc(const addressbook::RecipientList &targets, const QStringList &paths)
{
    if (paths.isEmpty())
        return; // nothing to copy: no job, no Attach.ini
    platform::BackgroundCopies *copies = &m_copies;
    for (const addressbook::RecipientEntry &target : targets) {
        const TAttachThread job{target.Inbox, paths, target.Server};
        m_copies.start([job, copies] { job.run(copies); });
    }
}

void TAttachThread::run(platform::BackgroundCopies *copies) const
{
    QThread::currentThread()->setObjectName(QStringLiteral("Sending attachments"));
    for (const QString &source : files) {
        const QString name = QFileInfo(source).fileName();
        if (!platform::isValidFileName(name))
            return; // never builds a path from such a name
        try {
            platform::copyFileReplacing(source, destinationFolder + name);
        } catch (const Error &error) {
            // The rest of this target's list is neither copied nor recorded; the user learns why.
            if (copies)
                copies->reportProblem(error.message());
            return;
        }
        platform::runOnUiThreadAndWait([&] { recordWithRetries(source, destinationFolder, server, 1, copies); });
    }
}

} // namespace corvane::sending
