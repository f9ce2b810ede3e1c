#include "OutgoingMessage.h"

#include "core/Message.h"
#include "platform/DateText.h"
#include "platform/Guid.h"
#include "platform/Version.h"

#include <QFileInfo>

namespace corvane::sending {

OutgoingMessage::OutgoingMessage()
    : m_newGuid([]() -> std::optional<QUuid> { return QUuid::createUuid(); }),
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
    core::Message message;
    message.to = draft.recipients;
    message.from = settings.yourName;
    message.subject = draft.subject;
    for (const QString &path : draft.attachmentPaths)
        message.attachments.append({QFileInfo(path).fileName(), QString()});
    message.date = platform::dateTimeText(m_now());
    message.bodyRtf = draft.rtfBody;
    XMLOut = {message, true, active, guidText(), platform::programVersion()};
}

} // namespace corvane::sending
