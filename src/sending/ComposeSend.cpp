#include "ComposeSend.h"

#include "SentStore.h"

#include "platform/Errors.h"
#include "platform/EventLoopWait.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace corvane::sending {

using core::Notice;

ComposeSend::ComposeSend(SendAction &action, SentStore &sent, QObject *parent)
    : QObject(parent), m_action(action), m_sent(sent)
{
    m_worker.setMaxThreadCount(1);
    connect(&m_action, &SendAction::statusTextChanged, this, &ComposeSend::statusTextChanged);
}

std::optional<Notice> ComposeSend::unreadableAttachment(const QStringList &paths)
{
    for (const QString &path : paths) {
        QFile file(path);
        if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly))
            continue;
        const QString reason = QFileInfo::exists(path) ? file.errorString() : QStringLiteral("it does not exist");
        return Notice{Notice::Code::AttachmentUnreadable, Notice::Kind::Warning,
                      QStringLiteral("The message was not sent: the attached file %1 cannot be read (%2). Remove "
                                     "it from the attachments or make it readable, then send again.")
                          .arg(QDir::toNativeSeparators(path), reason),
                      true};
    }
    return std::nullopt;
}

std::optional<Notice> ComposeSend::refusalWhileSending() const
{
    if (!isRunning())
        return std::nullopt;
    return Notice{Notice::Code::SendRunning, Notice::Kind::Information,
                  tr("A message is being sent. Wait until it has been sent, then try again."), false};
}

std::optional<Notice> ComposeSend::checkOffUiThread(QStringList paths)
{
    if (paths.isEmpty())
        return std::nullopt;
    std::optional<Notice> result;
    platform::runOnWorkerAndWait(m_worker, [&result, check = m_readCheck, paths = std::move(paths)] {
        result = check(paths);
    });
    return result;
}

SendResult ComposeSend::send(const Draft &draft, const addressbook::MailSettings &settings)
{
    SendResult result;
    if (isRunning()) {
        result.skipped = true;
        return result;
    }
    // The window keeps working while the send waits: the message sent is the draft as it was
    // when Send was pressed, whatever is done to the draft meanwhile.
    const Draft message = draft;
    m_running = true;
    Q_EMIT runningChanged(true);
    Q_EMIT statusTextChanged(kSendingMessage);
    std::optional<Notice> refused;
    try {
        // A send ends by recording the message in Sent Items: a store that could not be read is
        // refused before anything is delivered.
        m_sent.checkSavable();
        refused = checkOffUiThread(message.attachmentPaths);
    } catch (const Error &error) {
        refused = Notice{Notice::Code::SendFailed, Notice::Kind::Error,
                         QStringLiteral("The message was not sent: ") + error.message(), false};
    }
    if (refused) {
        result.notices.append(*refused);
        Q_EMIT statusTextChanged(QString());
    } else {
        // Handed over without a gap, so that no command sees the send as ended.
        result = m_action.SendiExecute(message, draft, settings);
        if (result.skipped)
            result.notices.append({Notice::Code::SendWaitsForCheck, Notice::Kind::Information, kSendWaitsForCheck, false});
    }
    m_running = false;
    Q_EMIT runningChanged(false);
    return result;
}

} // namespace corvane::sending
