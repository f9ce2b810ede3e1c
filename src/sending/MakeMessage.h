#pragma once

#include "core/Message.h"
#include "core/Notice.h"
#include "Draft.h"

#include "addressbook/MailSettings.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace corvane::sending {

class OutgoingMessage;

inline const QString kReplyPrefix = QStringLiteral("RE: ");
inline const QString kForwardPrefix = QStringLiteral("FW: ");

// What MakeMessage takes from a stored message: a Message element of the inbox store (attachments
// by Filename, bare names as received) or of Sent Items (attachments by FilePath, full paths).
struct StoredMessage
{
    QString from;
    QStringList recipients;
    QString subject;
    QStringList attachmentNames; // Filename of each Attachment that has one
    QStringList attachmentPaths; // FilePath of each Attachment that has one
    QString rtfBody;
};

// What MakeMessage needs of a message as a store gives it.
StoredMessage storedMessage(const core::Message &message);

enum class MakeMode { Reopen, Reply, Forward };

// The compose pane's new state after MakeMessage.
struct MadeMessage
{
    MakeMode mode = MakeMode::Reopen;
    QStringList recipients; // the recipient list afterwards
    QString subject;
    // The attachment list afterwards. A reply has none: the files of whatever the pane held
    // before (the last message sent, say) never go to the person answered unasked.
    QStringList attachmentPaths;
    // Reply and forward: the quoted header put above the body; empty for a reopened message.
    QString quotedHeader;
    QString rtfBody; // the quoted or reopened body
    // Forward: attachments left out because their names cannot name a received file (a path, a
    // device name, Attach.ini or a message file); the user must be told.
    std::optional<core::Notice> notice;
};

// The quoted header: the dashes, "Original Message", the sender, every recipient followed by
// ", ", the subject and the dashes, each line ended by a line feed.
QString quotedHeader(const StoredMessage &message);

// The received file of the stored message's attachment, by the attachment's Filename; empty when
// the name cannot name one. The receiving side gives it for the message.
using ReceivedFile = std::function<QString(const QString &name)>;

// Builds the compose pane's new state from a stored message. Reply: the sender is the only
// recipient, the subject gets "RE: ", nothing is attached. Forward: no recipient, the
// subject gets "FW: ", the attachments are the received files `receivedFile` gives. Reopen:
// recipients, subject and the attached files' full paths as stored. Prefixes are only ever added,
// so a reply to "RE: x" is "RE: RE: x".
MadeMessage MakeMessage(const StoredMessage &message, MakeMode mode, const ReceivedFile &receivedFile = {});

// Reply All's recipients: the sender, then every recipient of the message, each name once, leaving
// out the user's own name (in any letter case). The sender alone when nobody else is left (a
// message the user sent to themselves).
QStringList replyAllRecipients(const core::Message &message, const QString &ownName);

// Puts the made message into the draft (recipients, subject, attachment list) and marks it
// changed, so that the next send draws a new identifier. The body is the editor's.
void applyToDraft(const MadeMessage &made, Draft &draft, OutgoingMessage &outgoing);

} // namespace corvane::sending
