#pragma once

#include "AttachmentFiles.h"

#include <QString>
#include <QStringList>

namespace corvane::receiving {

// Fetches the attached files of a message taken in by the mail check.
class AttachmentRetrieval
{
public:
    virtual ~AttachmentRetrieval() = default;

    // `attachmentNames` are the Filename texts of the message taken in: stored (copy on) or
    // dropped as a duplicate (copy off); `folder` is where the message file lay; `ownInbox` is the
    // user's own inbox folder. `messageFolder` is the stored message's own attachment folder
    // (messageAttachmentFolder), where its files are wanted; empty for a duplicate or a message
    // without one, whose files are wanted in `ownInbox`. `claims` are the files of `ownInbox` that
    // other stored messages open there: never taken or replaced for this message.
    virtual void GetAttach(const QStringList &attachmentNames, const QString &folder, bool copy,
                           const QString &ownInbox, const QString &messageFolder,
                           const InboxFolderClaims &claims) = 0;
};

} // namespace corvane::receiving
