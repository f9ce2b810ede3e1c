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
// whole, then recorded in the folder's Attach.ini on the UI thread. A file that cannot be copied
// ends the list: the files before it stay copied and recorded.
struct TAttachThread
{
    QString destinationFolder; // ends in a separator
    QStringList files;         // full paths
    QString server;            // "True" for a server folder

    void run(platform::BackgroundCopies *copies) const;
};

// Counts a file copied into a folder in its Attach.ini: -1 in a personal inbox; in a server folder
// one more send still to be fetched (a -1 stays -1). Runs on the UI thread. Throws WriteError.
void recordAttachedFile(const QString &sourcePath, const QString &destinationFolder, const QString &server);

// Starts the attachment copies of a send, one job per target, and does not wait for them.
class AttachmentSending : public QObject, public AttachmentSender
{
    Q_OBJECT

public:
    explicit AttachmentSending(platform::BackgroundCopies &copies, QObject *parent = nullptr);

    void SendAtachmentsProc(const addressbook::RecipientList &targets, const QStringList &paths) override;

private:
    platform::BackgroundCopies &m_copies;
};

} // namespace corvane::sending
