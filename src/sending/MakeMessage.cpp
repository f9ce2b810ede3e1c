#include "MakeMessage.h"

#include "OutgoingMessage.h"

#include "platform/FileNames.h"
#include "platform/Paths.h"
#include "platform/XmlNodes.h"

namespace corvane::sending {

namespace xml = platform::xml;

namespace {

const QString kHeaderRule = QStringLiteral("-----------------");

} // namespace

StoredMessage storedMessage(const pugi::xml_node &message)
{
    StoredMessage result;
    result.from = xml::attributeText(message.child("From"), "Name");
    for (const pugi::xml_node &recipient : message.child("To").children("Recipient"))
        result.recipients.append(xml::attributeText(recipient, "Name"));
    result.subject = xml::attributeText(message.child("Subject"), "Text");
    for (const pugi::xml_node &attachment : message.child("Attachments").children("Attachment")) {
        if (const auto name = xml::readAttribute(attachment, "Filename"))
            result.attachmentNames.append(*name);
        if (const auto path = xml::readAttribute(attachment, "FilePath"))
            result.attachmentPaths.append(*path);
    }
    result.rtfBody = xml::elementText(message.child("Body"));
    return result;
}

QString quotedHeader(const StoredMessage &message)
{
    const QChar lf(u'\n');
    QString header = kHeaderRule + lf + QStringLiteral("Original Message") + lf + QStringLiteral("From: ")
                     + message.from + lf + QStringLiteral("To: ");
    for (const QString &name : message.recipients)
        header += name + QStringLiteral(", ");
    header += lf + QStringLiteral("Subject: ") + message.subject + lf + kHeaderRule + lf;
    return header;
}

MadeMessage MakeMessage(const StoredMessage &message, MakeMode mode, const QString &ownInboxFolder)
{
    MadeMessage made;
    made.mode = mode;
    made.rtfBody = message.rtfBody;
    switch (mode) {
    case MakeMode::Reopen:
        made.recipients = message.recipients;
        made.subject = message.subject;
        made.attachmentPaths = message.attachmentPaths;
        return made;
    case MakeMode::Reply:
        made.recipients = QStringList{message.from};
        made.subject = kReplyPrefix + message.subject;
        break;
    case MakeMode::Forward: {
        made.subject = kForwardPrefix + message.subject;
        // The received files were fetched into the own inbox folder under their bare names; a
        // name that is no plain file name was never fetched, and joined to the folder it could
        // reach any file on the machine.
        const QString folder = platform::withTrailingSeparator(ownInboxFolder);
        QStringList paths;
        QStringList refused;
        for (const QString &name : message.attachmentNames) {
            if (folder.isEmpty() || !platform::isValidFileName(name) || platform::isMailFolderFileName(name))
                refused.append(name);
            else
                paths.append(platform::joinPath(folder, name));
        }
        made.attachmentPaths = paths;
        if (!refused.isEmpty()) {
            made.notice = addressbook::Notice{
                addressbook::Notice::Kind::Warning,
                QStringLiteral("These attachments are not forwarded, because their names cannot name a file "
                               "in your inbox folder:\n%1")
                    .arg(refused.join(QLatin1Char('\n'))),
                false};
        }
        break;
    }
    }
    made.quotedHeader = quotedHeader(message);
    return made;
}

void applyToDraft(const MadeMessage &made, Draft &draft, OutgoingMessage &outgoing)
{
    draft.recipients = made.recipients;
    draft.subject = made.subject;
    draft.attachmentPaths = made.attachmentPaths;
    draft.noteEdit();
    outgoing.NewGuidNeeded = true;
}

} // namespace corvane::sending
