#include "OutgoingMessage.h"

#include "MessageDocument.h"

#include "platform/Guid.h"
#include "platform/Version.h"

#include <QFileInfo>

namespace corvane::sending {

OutgoingMessage::OutgoingMessage()
    : XMLOut(messageTemplate()),
      m_newGuid([]() -> std::optional<QUuid> { return QUuid::createUuid(); }),
      m_now([] { return QDateTime::currentDateTime(); })
{
}

QString OutgoingMessage::guidText() const
{
    return platform::guidText(MessageGuid);
}

void OutgoingMessage::CreateMessageFileExecute(bool active, const Draft &draft,
                                               const addressbook::MailSettings &settings)
{
    if (NewGuidNeeded) {
        // An identifier that cannot be drawn leaves the previous one.
        if (const std::optional<QUuid> fresh = m_newGuid())
            MessageGuid = *fresh;
    }
    MessageContent content;
    content.recipients = draft.recipients;
    content.from = settings.yourName;
    content.subject = draft.subject;
    for (const QString &path : draft.attachmentPaths)
        content.attachmentNames.append(QFileInfo(path).fileName());
    content.date = m_now();
    content.rtfBody = draft.rtfBody;
    content.active = active;
    content.guid = guidText();
    content.version = platform::programVersion();
    buildMessageDocument(XMLOut, content);
}

} // namespace corvane::sending
