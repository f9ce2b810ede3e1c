#pragma once

#include "AttachmentRetrieval.h"

#include <QString>

namespace corvane::platform {
class BackgroundCopies;
}

namespace corvane::receiving {

inline const QString kAttachIni = QStringLiteral("Attach.ini");
inline const QString kAttachmentsSection = QStringLiteral("Attachments");

// One attachment fetched into the user's own inbox folder on a worker thread. With DeleteSource
// the source is removed only after the copy is complete.
struct TRec
{
    QString SourceFolder;
    QString FileName;
    QString DestFolder;
    bool DeleteSource = false;

    void run(platform::BackgroundCopies *copies) const;
};

// Attachment retrieval for the mail check: starts the copies of a new message's attachments found
// outside the user's own inbox folder (not waiting for them) and counts them down in the
// folder's Attach.ini, removing entries no longer needed.
class AttachmentFetcher : public AttachmentRetrieval
{
public:
    explicit AttachmentFetcher(platform::BackgroundCopies &copies);

    void GetAttach(const pugi::xml_node &message, const QString &folder, bool copy,
                   const QString &ownInbox) override;

private:
    platform::BackgroundCopies &m_copies;
};

} // namespace corvane::receiving
