#include "SendAction.h"

#include "AttachmentSender.h"
#include "OutgoingMessage.h"
#include "SentStore.h"

#include "addressbook/AddressCollector.h"
#include "addressbook/AddressEditing.h"
#include "core/MessageFileNames.h"
#include "platform/Errors.h"
#include "platform/EventLoopWait.h"
#include "platform/FileNames.h"

#include <QFileInfo>

#include <exception>

namespace corvane::sending {

using core::Notice;

SendAction::SendAction(OutgoingMessage &outgoing, SentStore &sent, addressbook::AddressCollector &collector,
                       QObject *parent)
    : QObject(parent), m_outgoing(outgoing), m_sent(sent), m_collector(collector)
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
                          QStringLiteral("The message could not be sent: %1. Correct the name in the address book.")
                              .arg(addressbook::nameCannotBeFileName(name)),
                          true};
    }
    for (const QString &path : draft.attachmentPaths) {
        const QString name = QFileInfo(path).fileName();
        if (!platform::isValidFileName(name))
            return Notice{Notice::Code::SendRefused, Notice::Kind::Warning,
                          QStringLiteral("The message could not be sent: the attached file \"%1\" has a name "
                                         "that cannot be used on the shared folders. Rename the file.")
                              .arg(name.isEmpty() ? path : name),
                          true};
        // Copied beside the message files, it would replace one of them, or Attach.ini.
        if (core::isMailFolderFileName(name))
            return Notice{Notice::Code::SendRefused, Notice::Kind::Warning,
                          QStringLiteral("The message could not be sent: the attached file \"%1\" has the name of "
                                         "a file that Corvane keeps in the shared folders. Rename the file.")
                              .arg(name),
                          true};
    }
    return std::nullopt;
}

SendResult SendAction::SendiExecute(const Draft &message, const Draft &draft,
                                    const addressbook::MailSettings &settings)
{
    SendResult result;
    if (m_running || m_collector.isCollecting()) {
        result.skipped = true;
        return result;
    }
    m_running = true;
    Q_EMIT runningChanged(true);
    Q_EMIT statusTextChanged(kSendingMessage);

    // The window keeps working while the send waits, and `draft` may be the compose pane's own,
    // edited meanwhile: the send goes on with its own copy of the message.
    const Draft sending = message;
    try {
        if (const auto refused = refusal(sending)) {
            result.notices.append(*refused);
        } else if (m_sent.isReadOnly()) {
            // Sent and not recorded, the message would be missing from Sent Items.
            result.notices.append({Notice::Code::StoreReadOnly, Notice::Kind::Warning, m_sent.readOnlyReason(), true});
        } else {
            const addressbook::RecipientList targets =
                m_collector.CollectAddresses(sending.recipients, false, settings);
            if (sending.recipients.isEmpty() || targets.isEmpty()) {
                result.notices.append({Notice::Code::NothingToSend, Notice::Kind::Warning, kNothingSent, true});
            } else {
                if (m_attachments)
                    m_attachments->SendAtachmentsProc(targets, sending.attachmentPaths, sending.recipients);
                m_outgoing.CreateMessageFileExecute(false, sending, settings);
                result.delivery = deliverOffUiThread(core::messageFileBytes(m_outgoing.XMLOut), sending.recipients, targets);
                for (const QString &name : std::as_const(result.delivery.failedTargets))
                    result.notices.append({Notice::Code::TargetNotReached, Notice::Kind::Information, kErrorSendingTo + name, false});
                result.delivered = true;
                m_sent.SentboxFill(m_outgoing.XMLOut, sending.attachmentPaths);
                result.notices.append({Notice::Code::MessagesSent, Notice::Kind::Information, kMessagesSent, false});
            }
        }
    } catch (const Error &error) {
        result.notices.append({Notice::Code::SendFailed, Notice::Kind::Error, error.message(), false});
    }

    // An edit made while the send waited asks for a new identifier: the edited message is another
    // message, and recipients would drop it as a duplicate under the one just sent.
    if (draft.revision == sending.revision)
        m_outgoing.NewGuidNeeded = false;
    Q_EMIT statusTextChanged(QString());
    m_running = false;
    Q_EMIT runningChanged(false);
    Q_EMIT finished(result);
    return result;
}

DeliveryReport SendAction::deliverOffUiThread(const QByteArray &bytes, const QStringList &names,
                                              const addressbook::RecipientList &targets)
{
    DeliveryReport report;
    platform::runOnWorkerAndWait(m_worker, [&] { report = SendExecute(bytes, names, targets); });
    return report;
}

} // namespace corvane::sending
