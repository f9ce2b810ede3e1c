#pragma once

#include "AttachmentRetrieval.h"

#include <QString>

namespace corvane::platform {
class BackgroundCopies;
}

namespace corvane::receiving {

// One attachment of a message taken in, handled on a worker thread, then counted down in the
// source folder's Attach.ini under the folder's lock. Take says what happens to the file first:
// - Copy: copied into DestFolder (the own inbox folder, for a message without its own folder),
//   never over a file already there;
// - CopyKeeping: copied into DestFolder (the stored message's own folder), never over a file
//   already there;
// - Move: moved into DestFolder (the stored message's own folder) out of the own inbox folder,
//   so that nothing of the message stays on the share: renamed, or copied whole and removed. A
//   file that other stored messages open there (Claims) is left as it is: it is not this one's;
// - None: only counted.
// A count of 1 or more says how many message files in a shared folder still name the file: every
// such file taken counts it down once, stored or dropped as a duplicate, and the one that brings
// it to zero removes the source (only after a complete copy). Messages found in the own inbox
// folder count nothing down (Counted off); a -1 or missing entry is cleared. A file that is not
// there yet stays where it will arrive; the reader looks for it there.
struct AttachmentFetchJob
{
    enum class Take { None, Copy, CopyKeeping, Move };
    QString SourceFolder;
    QString FileName;
    QString DestFolder;
    Take take = Take::None;
    bool Counted = false;
    InboxFolderClaims Claims;

    void run(platform::BackgroundCopies *copies) const;
};

// Attachment retrieval for the mail check: starts the fetches of a message's attachments and does
// not wait for them. Names the mail keeps in its folders (message files, Attach.ini, temporary and
// lock names) and names that would leave the folder are never written.
class AttachmentFetcher : public AttachmentRetrieval
{
public:
    explicit AttachmentFetcher(platform::BackgroundCopies &copies);

    void GetAttach(const QStringList &attachmentNames, const QString &folder, bool copy,
                   const QString &ownInbox, const QString &messageFolder,
                   const InboxFolderClaims &claims) override;

private:
    platform::BackgroundCopies &m_copies;
};

} // namespace corvane::receiving
