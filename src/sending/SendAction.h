#pragma once

#include "Delivery.h"
#include "Draft.h"

#include "addressbook/MailSettings.h"
#include "core/LongOperation.h"
#include "core/Notice.h"

#include <QList>
#include <QThreadPool>

#include <functional>
#include <optional>

namespace corvane::addressbook {
class AddressCollector;
}

namespace corvane::platform {
class BackgroundCopies;
}

namespace corvane::sending {

class OutgoingMessage;
class SentStore;

struct SendResult
{
    bool skipped = false;   // the send waited for an address collection (a mail check) and did not run
    bool delivered = false; // message files were written and the message recorded
    DeliveryReport delivery;
    QList<core::Notice> notices; // to show in order, each with OK
};

// The Send action: resolves the chosen names to reachable folders, builds the message, copies the
// attached files and writes the message into every target folder on its worker, then records it in Sent
// Items and says what happened. The call that starts it returns at once; the steps after the
// delivery run when the worker hands its report back, and finished ends every send started.
class SendAction : public core::LongOperation
{
    Q_OBJECT

public:
    // Whether the draft the message was taken from is still as it was; asked when the send ends.
    using DraftUnchanged = std::function<bool()>;

    SendAction(OutgoingMessage &outgoing, SentStore &sent, addressbook::AddressCollector &collector,
               QObject *parent = nullptr);

    // The program's copies, which count a delivery that copies attached files as running, and
    // whose cancelAll cuts its copies off.
    void setCopies(platform::BackgroundCopies *copies) { m_copies = copies; }
    // Waits for a delivery still running on the worker; its report is dropped.
    ~SendAction() override;

    // Starts sending a copy of `message`; finished follows from the event loop. Starts nothing
    // and returns false while a send or an address collection runs. NewGuidNeeded is cleared at
    // the end unless `unchanged` says that the draft was edited meanwhile: the edited draft is
    // another message and needs a new identifier.
    bool SendiExecute(const Draft &message, const addressbook::MailSettings &settings,
                      DraftUnchanged unchanged = {});

    // A recipient name that cannot name message files, or an attached file whose name cannot be
    // used on the shares or is one the mail keeps beside its messages (a message file, Attach.ini,
    // a temporary or lock name), is refused before anything is written; the notice names it.
    // None when the draft is fine.
    static std::optional<core::Notice> refusal(const Draft &draft);

    // What refuses a command that conflicts with a running send.
    static core::Notice runningNotice();

Q_SIGNALS:
    void statusTextChanged(const QString &text);
    // Once for every send started, after it stopped running, with what it came to.
    void finished(const corvane::sending::SendResult &result);

protected:
    core::Notice busyNotice() const override { return runningNotice(); }

private:
    // Builds the message and starts its delivery to the folders the collection found.
    void build(const addressbook::RecipientList &targets, const addressbook::MailSettings &settings);
    void deliver(const addressbook::RecipientList &targets);
    void record(const std::function<DeliveryReport()> &report);
    void end();

    OutgoingMessage &m_outgoing;
    SentStore &m_sent;
    addressbook::AddressCollector &m_collector;
    platform::BackgroundCopies *m_copies = nullptr;
    // The running send's message, the question asked at its end, and what it has come to so far.
    Draft m_message;
    DraftUnchanged m_unchanged;
    SendResult m_result;
    QThreadPool m_worker; // writes the message files, one send at a time
};

// What a send says, in the user's language.
inline QString sendingMessageText()
{
    return SendAction::tr("Sending Message");
}
inline QString messagesSentText()
{
    return SendAction::tr("Messages Sent");
}
inline QString nothingSentText()
{
    return SendAction::tr("The message could not be sent. Check that you have \r\nselected at least one address. If you "
                          "frequently receive this message \r\nyou should concider re-configuring your Corvane system");
}

} // namespace corvane::sending
