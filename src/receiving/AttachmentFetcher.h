#pragma once

#include "AttachmentRetrieval.h"

#include <QString>

namespace corvane::platform {
class BackgroundCopies;
}

namespace corvane::receiving {

// One attachment of a message taken in, handled on a worker thread: copied into the user's own
// inbox folder when Copy is set, then counted down in the source folder's Attach.ini under the
// folder's lock. A count of 1 or more says how many message files in a shared folder still name
// the file: every such file taken counts it down once, stored or dropped as a duplicate, and the
// one that brings it to zero removes the source (only after a complete copy). Messages found in
// the own inbox folder count nothing down (Counted off); a -1 or missing entry is cleared.
struct AttachmentFetchJob
{
    QString SourceFolder;
    QString FileName;
    QString DestFolder;
    bool Copy = false;
    bool Counted = false;

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
                   const QString &ownInbox) override;

private:
    platform::BackgroundCopies &m_copies;
};

} // namespace corvane::receiving
