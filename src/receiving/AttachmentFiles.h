#pragma once

#include <QString>

namespace corvane::receiving {

// The folder under "Inbox Data" that holds one folder per stored message for its attachments.
inline const QString kAttachmentsFolderName = QStringLiteral("Attachments");

// Where the mail check keeps a stored message's attachments: <inbox data>/Attachments/<GUID>/,
// the GUID text as the store keeps it. Empty when there is no such folder: no inbox data folder,
// or a GUID that is missing or cannot be a folder name.
QString messageAttachmentFolder(const QString &inboxDataFolder, const QString &guid);

// Where a stored message's attachments may lie.
struct AttachmentPlaces
{
    QString inboxFolder; // "Your Inbox": where a message stored without its own folder has them
    QString inboxData;   // "Inbox Data"
};

// The file to open for a stored message's attachment: the copy in the message's own folder when it
// is there, else the file of that name in the inbox folder (messages stored before attachments were
// kept per message, without GUID, or whose file had not arrived at the check). Empty when the name
// cannot name a file there: not a file name, or one of the mail's own files (a message file,
// Attach.ini), so it never builds a path.
QString attachmentFile(const AttachmentPlaces &places, const QString &guid, const QString &name);

// attachmentFile for opening it. Throws Error naming the attachment when the name is refused or
// the file is in neither place.
QString attachmentToOpen(const AttachmentPlaces &places, const QString &guid, const QString &name);

} // namespace corvane::receiving
