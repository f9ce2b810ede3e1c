#pragma once

#include "AttachmentSender.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace corvane::platform {
class BackgroundCopies;
}

namespace corvane::sending {

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
