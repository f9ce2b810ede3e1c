#pragma once

#include <QString>

namespace corvane::core {

// "Attach.ini" in a shared folder counts, per attached file copied there, how many message files
// still have to fetch it: -1 in a personal inbox (the file stays), n >= 1 in a server folder
// (the fetch that brings it to zero removes the file). Every read-modify-write holds the folder's
// lock, as other machines update the same file. These block, so not for the UI thread.
inline const QString kAttachIniFileName = QStringLiteral("Attach.ini");
inline const QString kAttachmentsSection = QStringLiteral("Attachments");

// Counts a file copied into a server folder for a send: the count rises by the message files
// written there for the send, one fetch each (a -1 stays -1). Throws IoError.
void recordServerAttachmentSent(const QString &folder, const QString &fileName, int messageFiles);

// Records a file copied into a personal inbox with -1, trying once: the lock is taken only if it is
// free, and nothing is tried again. A -1 reads as a missing key does, so a caller may go without
// it (in a drop-box folder the sender may not read or replace Attach.ini). Throws IoError.
void recordPersonalAttachmentOnce(const QString &folder, const QString &fileName);

struct FetchCount
{
    bool lastFetch = false;     // the count reached zero: the source may go
    bool sourceRemoved = false; // and it was removed under the lock
};

// Counts one fetch of the file down (when `counted`) and clears an entry that is no longer needed
// (a -1, the last fetch). When it was the last fetch and `removeSource` is set, removes the file
// from the folder while the lock keeps senders from counting a new copy of the name meanwhile.
// Throws IoError.
FetchCount countDownFetch(const QString &folder, const QString &fileName, bool counted, bool removeSource);

} // namespace corvane::core
