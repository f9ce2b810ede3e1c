#pragma once

#include "Delivery.h"
#include "Draft.h"

#include "addressbook/MailSettings.h"
#include "core/Notice.h"

#include <QList>
#include <QObject>
#include <QThreadPool>

namespace corvane::addressbook {
class AddressCollector;
}

namespace corvane::sending {

class AttachmentSender;
class OutgoingMessage;
class SentStore;

inline const QString kSendingMessage = QStringLiteral("Sending Message");
inline const QString kMessagesSent = QStringLiteral("Messages Sent");
inline const QString kNothingSent = QStringLiteral(
    "The message could not be sent. Check that you have \r\nselected at least one address. If you "
    "frequently receive this message \r\nyou should concider re-configuring your Corvane system");

struct SendResult
{
    bool skipped = false;   // a send or an address collection was already running
    bool delivered = false; // message files were written and the message recorded
    DeliveryReport delivery;
    QList<core::Notice> notices; // to show in order, each with OK
};

// The Send action: resolves the chosen names to reachable folders, starts the attachment copies,
// builds the message, writes it into every target folder off the UI thread (the window keeps
// working), records it in Sent Items and says what happened.
class SendAction : public QObject
{
    Q_OBJECT

public:
    SendAction(OutgoingMessage &outgoing, SentStore &sent, addressbook::AddressCollector &collector,
               QObject *parent = nullptr);

    void setAttachmentSender(AttachmentSender *sender) { m_attachments = sender; }
    bool isRunning() const { return m_running; }
    // Waits for a delivery still running on the worker.
    ~SendAction() override;

    // `draft` may be the compose pane's own: the send works on a copy taken at the start, and
    // clears NewGuidNeeded at the end only when the draft was not edited meanwhile.
    SendResult SendiExecute(const Draft &draft, const addressbook::MailSettings &settings)
    {
        return SendiExecute(draft, draft, settings);
    }
    // Sends `message`, taken earlier from `draft`; NewGuidNeeded is cleared at the end only when
    // `draft` has not been edited since.
    SendResult SendiExecute(const Draft &message, const Draft &draft, const addressbook::MailSettings &settings);

    // A recipient name that cannot name message files, or an attached file whose name cannot be
    // used on the shares or is one the mail keeps beside its messages (a message file, Attach.ini,
    // a temporary or lock name), is refused before anything is written; the notice names it.
    // None when the draft is fine.
    static std::optional<core::Notice> refusal(const Draft &draft);

Q_SIGNALS:
    void statusTextChanged(const QString &text);
    void runningChanged(bool running);
    // After every send that ran (not a skipped one), with what it came to.
    void finished(const corvane::sending::SendResult &result);

private:
    DeliveryReport deliverOffUiThread(const QByteArray &bytes, const QStringList &names,
                                      const addressbook::RecipientList &targets);

    OutgoingMessage &m_outgoing;
    SentStore &m_sent;
    addressbook::AddressCollector &m_collector;
    AttachmentSender *m_attachments = nullptr;
    bool m_running = false;
    QThreadPool m_worker; // writes the message files, one send at a time
};

} // namespace corvane::sending
