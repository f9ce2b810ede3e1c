#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace corvane::core {
struct Message;
}

namespace corvane::receiving {

// The folder under "Inbox Data" that holds one folder per stored message for its attachments.
inline const QString kAttachmentsFolderName = QStringLiteral("Attachments");

// Where the mail check keeps a stored message's attachments: <inbox data>/Attachments/<folder>/,
// the folder named by the store (the message's GUID text, as a rule). Empty when there is no such
// folder: no inbox data folder, or a name that is missing or cannot be a folder name.
QString messageAttachmentFolder(const QString &inboxDataFolder, const QString &folderName);

// How the inbox store keeps a message's attachments.
struct KeptFiles
{
    // Set by the store when it took the message in: the message's own folder under Attachments,
    // the only place its files are looked for.
    std::optional<QString> folder;
    // The GUID attribute, for a message stored without that folder (by an older copy): its files
    // may lie in Attachments/<GUID>/, else in the inbox folder.
    QString guid;

    bool operator==(const KeptFiles &) const = default;
};
KeptFiles keptFilesOf(const core::Message &message);

// Messages stored without a folder of their own open <inbox folder>/<name>, but only a file that
// last changed before attachments began to be kept per message in the profile: one written since
// (by another sender, or dropped there by anyone who may write the folder) is never theirs. That
// time is kept in a file of its own under Attachments.
QString keptSinceFile(const QString &inboxDataFolder);
// The time recorded; none when nothing (readable) is recorded, and then any file counts as older.
std::optional<QDateTime> keptSince(const QString &inboxDataFolder);
// Records now when nothing is recorded yet, and returns the time recorded (now, also when it cannot
// be written: the caller goes on with it).
QDateTime noteKeptSince(const QString &inboxDataFolder);
// Whether the file is there and last changed (its content or its attributes) before `since`; any
// file there when there is no such time.
bool changedBefore(const QString &path, const std::optional<QDateTime> &since);

// The files of the own inbox folder that stored messages open there (messages stored without a
// folder of their own): the mail check never moves or hands them to another message.
struct InboxFolderClaims
{
    QStringList names;                   // the names those messages give, among those asked about
    std::optional<QDateTime> keptSince;  // files that changed since are not theirs

    // Whether the file <own inbox folder>/<name> at `path` is such a file. Names are compared
    // without regard to case, as the file systems of shares do.
    bool claims(const QString &path, const QString &name) const;
};

// Where a stored message's attachments may lie.
struct AttachmentPlaces
{
    QString inboxFolder; // "Your Inbox": where a message stored without its own folder has them
    QString inboxData;   // "Inbox Data"
};

// The file to open for a stored message's attachment: the copy in the message's own folder; for a
// message stored without one, its copy in Attachments/<GUID>/ when it is there, else the inbox
// folder's file of that name, if it is older than keeping per message. A path that is not there
// when the file is missing. Empty when the name cannot name a file there (not a file name, or one
// of the mail's own files: a message file, Attach.ini), so it never builds a path; also for a
// message without GUID or own folder when the inbox folder's file is not its own.
QString attachmentFile(const AttachmentPlaces &places, const KeptFiles &kept, const QString &name);

// attachmentFile for opening it. Throws Error naming the attachment when the name is refused or
// the file is missing.
QString attachmentToOpen(const AttachmentPlaces &places, const KeptFiles &kept, const QString &name);

} // namespace corvane::receiving
