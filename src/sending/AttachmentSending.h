#pragma once

#include "AttachmentSender.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace corvane::platform {
class BackgroundCopies;
}

namespace corvane::sending {

inline const QString kAttachIniFileName = QStringLiteral("Attach.ini");
inline const QString kAttachmentsSection = QStringLiteral("Attachments");

// One delivery target's attachment copies: each file in list order is copied into the folder
// whole, then recorded in the folder's Attach.ini under the folder's lock. A file that cannot be
// copied ends the list: the files before it stay copied and recorded.
struct AttachmentCopyJob
{
    QString destinationFolder; // ends in a separator
    QStringList files;         // full paths
    QString server;            // "True" for a server folder
    int messageFiles = 1;      // message files of the send that a server folder receives

    void run(platform::BackgroundCopies *copies) const;
};

// Counts a file copied into a folder in its Attach.ini: -1 in a personal inbox; in a server folder
// the count rises by the number of message files written there for the send, one fetch each (a -1
// stays -1). Reads and writes Attach.ini under the folder's lock; blocks, so not for the UI
// thread. Throws IoError.
void recordAttachedFile(const QString &sourcePath, const QString &destinationFolder, const QString &server,
                        int messageFiles = 1);

// Starts the attachment copies of a send, one job per target, and does not wait for them.
class AttachmentSending : public QObject, public AttachmentSender
{
    Q_OBJECT

public:
    explicit AttachmentSending(platform::BackgroundCopies &copies, QObject *parent = nullptr);

    void SendAtachmentsProc(const addressbook::RecipientList &targets, const QStringList &paths,
                            const QStringList &recipientNames) override;

private:
    platform::BackgroundCopies &m_copies;
};

} // namespace corvane::sending
