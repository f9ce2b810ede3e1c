#pragma once

#include "Draft.h"

#include "addressbook/MailSettings.h"
#include "core/Message.h"

#include <QDateTime>
#include <QUuid>

#include <functional>
#include <optional>

namespace corvane::sending {

// The outgoing message XMLOut with the identifier of the next message. Edits of the
// compose pane set NewGuidNeeded; the next creation then draws a new MessageGuid.
class OutgoingMessage
{
public:
    OutgoingMessage();

    // Rebuilds XMLOut from the draft: recipients, Your Name, subject, attachment file names,
    // now, the RTF body, the Active flag, MessageGuid and the program's version.
    void CreateMessageFileExecute(bool active, const Draft &draft, const addressbook::MailSettings &settings);

    QString guidText() const;

    // Test seams.
    void setGuidSource(std::function<std::optional<QUuid>()> source) { m_newGuid = std::move(source); }
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }

    // The message file as it was last built; its bytes are core::messageFileBytes(XMLOut).
    core::MessageFile XMLOut;
    QUuid MessageGuid;          // all zero until the first identifier is drawn
    bool NewGuidNeeded = false;

private:
    std::function<std::optional<QUuid>()> m_newGuid;
    std::function<QDateTime()> m_now;
};

} // namespace corvane::sending
