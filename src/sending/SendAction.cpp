#include "SendAction.h"

#include "OutgoingMessage.h"
#include "SentStore.h"

#include "addressbook/AddressCollector.h"
#include "addressbook/AddressEditing.h"
#include "core/MessageFileNames.h"
#include "platform/BackgroundCopies.h"
#include "platform/Errors.h"
#include "platform/FileNames.h"
#include "platform/UiThread.h"

#include <QFileInfo>

#include <utility>

namespace corvane::sending {

using core::Notice;

SendAction::SendAction(OutgoingMessage &outgoing, SentStore &sent, addressbook::AddressCollector &collector,
                       QObject *parent)
    : core::LongOperation(parent), m_outgoing(outgoing), m_sent(sent), m_collector(collector)
{
    m_worker.setMaxThreadCount(1);
}

SendAction::~SendAction()
{
    m_worker.waitForDone();
}

std::optional<Notice> SendAction::refusal(const Draft &draft)
{
    for (const QString &name : draft.recipients) {
        if (!core::canNameMessageFiles(name))
            return Notice{Notice::Code::SendRefused, Notice::Kind::Warning,
                          tr("The message could not be sent: %1. Correct the name in the address book.")
                              .arg(addressbook::nameCannotBeFileName(name)),
                          true};
    }
    for (const QString &path : draft.attachmentPaths) {
        const QString name = QFileInfo(path).fileName();
        if (!platform::isValidFileName(name))
            return Notice{Notice::Code::SendRefused, Notice::Kind::Warning,
                          tr("The message could not be sent: the attached file \"%1\" has a name "
                             "that cannot be used on the shared folders. Rename the file.")
                              .arg(name.isEmpty() ? path : name),
                          true};
        // Copied beside the message files, it would replace one of them, or Attach.ini.
        if (core::isMailFolderFileName(name))
            return Notice{Notice::Code::SendRefused, Notice::Kind::Warning,
                          tr("The message could not be sent: the attached file \"%1\" has the name of "
                             "a file that Corvane keeps in the shared folders. Rename the file.")
                              .arg(name),
                          true};
    }
    return std::nullopt;
}

Notice SendAction::runningNotice()
{
    return {Notice::Code::SendRunning, Notice::Kind::Information,
            tr("A message is being sent. Wait until it has been sent, then try again."), false};
}

bool SendAction::SendiExecute(const Draft &message, const addressbook::MailSettings &settings,
                              DraftUnchanged unchanged)
{
    if (isRunning() || m_collector.isRunning())
        return false;
    setRunning(true);
    Q_EMIT statusTextChanged(sendingMessageText());

    // The window keeps working while the send runs, and the draft the message was taken from may
    // be edited meanwhile: the send goes on with its own copy.
    m_message = message;
    m_unchanged = std::move(unchanged);
    m_result = {};
    try {
        if (const auto refused = refusal(m_message)) {
            m_result.notices.append(*refused);
        } else if (m_sent.isReadOnly()) {
            // Sent and not recorded, the message would be missing from Sent Items.
            m_result.notices.append({Notice::Code::StoreReadOnly, Notice::Kind::Warning, m_sent.readOnlyReason(), true});
        } else {
            // The folders are found by the collection's probes; the send goes on when it ends.
            const QMetaObject::Connection collected = connect(
                &m_collector, &addressbook::AddressCollector::finished, this,
                [this, settings](const addressbook::Collection &found) { build(found.recipients, settings); },
                Qt::SingleShotConnection);
            if (const std::optional<Notice> refused = m_collector.start(m_message.recipients, false, settings)) {
                disconnect(collected);
                m_result.notices.append(*refused);
            } else {
                return true;
            }
        }
    } catch (const Error &error) {
        m_result.notices.append({Notice::Code::SendFailed, Notice::Kind::Error, error.message(), false});
    }
    // Ended before any delivery: the caller still hears of it only from the event loop.
    QMetaObject::invokeMethod(this, &SendAction::end, Qt::QueuedConnection);
    return true;
}

void SendAction::build(const addressbook::RecipientList &targets, const addressbook::MailSettings &settings)
{
    try {
        if (m_message.recipients.isEmpty() || targets.isEmpty()) {
            m_result.notices.append({Notice::Code::NothingToSend, Notice::Kind::Warning, nothingSentText(), true});
        } else {
            m_outgoing.CreateMessageFileExecute(false, m_message, settings);
            deliver(targets);
            return;
        }
    } catch (const Error &error) {
        m_result.notices.append({Notice::Code::SendFailed, Notice::Kind::Error, error.message(), false});
    }
    end();
}

void SendAction::deliver(const addressbook::RecipientList &targets)
{
    // The attachment copies count among the program's copies, so that closing waits for them or
    // cuts them off; the token goes when the delivery ends.
    platform::BackgroundCopies *copies = m_copies;
    std::shared_ptr<void> held = copies ? copies->hold() : nullptr;
    platform::startOnWorker(
        m_worker, this,
        [bytes = core::messageFileBytes(m_outgoing.XMLOut), names = m_message.recipients, targets,
         attached = Attached{m_outgoing.XMLOut, m_message.attachmentPaths}, copies, held]() mutable {
            DeliveryReport report;
            const auto run = [&] { report = SendExecute(bytes, names, targets, attached); };
            if (copies)
                copies->runCancellable(run);
            else
                run();
            held.reset();
            return report;
        },
        [this](const std::function<DeliveryReport()> &report) { record(report); });
}

void SendAction::record(const std::function<DeliveryReport()> &report)
{
    try {
        m_result.delivery = report();
        for (const QString &name : std::as_const(m_result.delivery.failedTargets))
            m_result.notices.append({Notice::Code::TargetNotReached, Notice::Kind::Information, errorSendingToText(name), false});
        for (const QString &reason : std::as_const(m_result.delivery.attachmentFailures))
            m_result.notices.append(Notice::error(Notice::Code::CopyFailed, reason));
        if (m_result.delivery.written.isEmpty()) {
            // No folder took the message: it was not sent, so it is neither recorded nor said to be
            // sent, and the message being written stays unsent work.
            m_result.notices.append({Notice::Code::SendFailed, Notice::Kind::Error,
                                     tr("The message was not sent: none of the folders could be written. Send it "
                                        "again when the shared folders can be reached."),
                                     true});
            end();
            return;
        }
        m_result.delivered = true;
        m_sent.SentboxFill(m_outgoing.XMLOut, m_message.attachmentPaths, m_result.delivery.files);
        // Said once a folder took the message; the notices before it say which targets or files
        // did not arrive, and the tool fails by their codes.
        m_result.notices.append({Notice::Code::MessagesSent, Notice::Kind::Information, messagesSentText(), false});
    } catch (const Error &error) {
        m_result.notices.append({Notice::Code::SendFailed, Notice::Kind::Error, error.message(), false});
    }
    end();
}

void SendAction::end()
{
    // An edit made while the send ran asks for a new identifier: the edited message is another
    // message, and recipients would drop it as a duplicate under the one just sent.
    if (!m_unchanged || m_unchanged())
        m_outgoing.NewGuidNeeded = false;
    m_unchanged = {};
    Q_EMIT statusTextChanged(QString());
    setRunning(false);
    Q_EMIT finished(std::exchange(m_result, {}));
}

} // namespace corvane::sending
