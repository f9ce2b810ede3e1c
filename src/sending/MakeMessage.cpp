#include "MakeMessage.h"

#include "OutgoingMessage.h"

#include <QCoreApplication>


namespace corvane::sending {

namespace {

const QString kHeaderRule = QStringLiteral("-----------------");

} // namespace

StoredMessage storedMessage(const core::Message &message)
{
    StoredMessage result;
    result.from = message.from;
    result.recipients = message.to;
    result.subject = message.subject;
    for (const core::Attachment &attachment : message.attachments) {
        if (!attachment.fileName.isEmpty())
            result.attachmentNames.append(attachment.fileName);
        if (!attachment.filePath.isEmpty())
            result.attachmentPaths.append(attachment.filePath);
    }
    result.rtfBody = message.bodyRtf;
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

MadeMessage MakeMessage(const StoredMessage &message, MakeMode mode, const ReceivedFile &receivedFile)
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
        // The files the reader opens; a name that is no plain file name was never fetched, and
        // joined to a folder it could reach any file on the machine.
        QStringList paths;
        QStringList refused;
        for (const QString &name : message.attachmentNames) {
            const QString path = receivedFile ? receivedFile(name) : QString();
            if (path.isEmpty())
                refused.append(name);
            else
                paths.append(path);
        }
        made.attachmentPaths = paths;
        if (!refused.isEmpty()) {
            made.notice = core::Notice{
                core::Notice::Code::AttachmentsNotForwarded, core::Notice::Kind::Warning,
                QCoreApplication::translate("MakeMessage",
                                            "These attachments are not forwarded, because their names cannot "
                                            "name a file in your inbox folder:\n%1")
                    .arg(refused.join(QLatin1Char('\n'))),
                false};
        }
        break;
    }
    }
    made.quotedHeader = quotedHeader(message);
    return made;
}

QStringList replyAllRecipients(const core::Message &message, const QString &ownName)
{
    QStringList names;
    for (const QString &name : QStringList{message.from} + message.to) {
        if (!name.isEmpty() && name.compare(ownName, Qt::CaseInsensitive) != 0 && !names.contains(name, Qt::CaseInsensitive))
            names.append(name);
    }
    return names.isEmpty() ? QStringList{message.from} : names;
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
