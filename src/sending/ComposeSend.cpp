#include "ComposeSend.h"

#include "SentStore.h"

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
        return Notice{Notice::Kind::Warning,
                      QStringLiteral("The message was not sent: the attached file %1 cannot be read (%2). Remove "
                                     "it from the attachments or make it readable, then send again.")
                          .arg(QDir::toNativeSeparators(path), reason),
                      true};
    }
    return std::nullopt;
}

std::optional<Notice> ComposeSend::checkOffUiThread(QStringList paths)
{
    if (paths.isEmpty())
        return std::nullopt;
    std::optional<Notice> result;
    // The worker reads its own copy of the list: the window may change the draft meanwhile.
    platform::runOnWorkerAndWait(m_worker, [&result, paths = std::move(paths)] {
        result = unreadableAttachment(paths);
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
    m_running = true;
    Q_EMIT runningChanged(true);
    Q_EMIT statusTextChanged(kSendingMessage);
    std::optional<Notice> refused;
    try {
        // A send ends by recording the message in Sent Items: a store that could not be read is
        // refused before anything is delivered.
        m_sent.document().checkSavable();
        // The window keeps working while the files are read: an attachment list changed meanwhile
        // is checked again.
        quint64 checked = 0;
        do {
            checked = draft.revision;
            refused = checkOffUiThread(draft.attachmentPaths);
        } while (!refused && draft.revision != checked);
    } catch (const Error &error) {
        refused = Notice{Notice::Kind::Error,
                         QStringLiteral("The message was not sent: ") + error.message(), false};
    }
    if (refused) {
        result.notices.append(*refused);
        Q_EMIT statusTextChanged(QString());
    } else {
        m_running = false; // the Send action keeps its own state from here
        result = m_action.SendiExecute(draft, settings);
        if (result.skipped)
            result.notices.append({Notice::Kind::Information, kSendWaitsForCheck, false});
    }
    m_running = false;
    Q_EMIT runningChanged(false);
    return result;
}

} // namespace corvane::sending
