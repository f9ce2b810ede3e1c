#include "ComposeSend.h"

#include "SentStore.h"

#include "platform/Errors.h"
#include "platform/UiThread.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

#include <utility>

namespace corvane::sending {

using core::Notice;

ComposeSend::ComposeSend(SendAction &action, SentStore &sent, QObject *parent)
    : core::LongOperation(parent), m_action(action), m_sent(sent)
{
    m_worker.setMaxThreadCount(1);
    connect(&m_action, &SendAction::statusTextChanged, this, &ComposeSend::statusTextChanged);
    connect(&m_action, &SendAction::runningChanged, this, &ComposeSend::updateRunning);
    connect(&m_action, &SendAction::finished, this, &ComposeSend::actionFinished);
    updateRunning();
}

ComposeSend::~ComposeSend()
{
    m_worker.waitForDone();
}

std::optional<Notice> ComposeSend::unreadableAttachment(const QStringList &paths)
{
    for (const QString &path : paths) {
        QFile file(path);
        if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly))
            continue;
        const QString reason = QFileInfo::exists(path) ? file.errorString() : tr("it does not exist");
        return Notice{Notice::Code::AttachmentUnreadable, Notice::Kind::Warning,
                      tr("The message was not sent: the attached file %1 cannot be read (%2). Remove "
                         "it from the attachments or make it readable, then send again.")
                          .arg(QDir::toNativeSeparators(path), reason),
                      true};
    }
    return std::nullopt;
}

bool ComposeSend::send(const Draft &draft, const addressbook::MailSettings &settings)
{
    if (isRunning())
        return false;
    if (std::optional<Notice> refusal = core::refusalWhileAnyRuns({m_check})) {
        // A send waits for the mail check: refused, and said when the send ends, as every send's
        // outcome is.
        m_sending = true;
        updateRunning();
        QMetaObject::invokeMethod(this, [this, notice = *refusal] { end({true, false, {}, {notice}}); },
                                  Qt::QueuedConnection);
        return true;
    }
    // The message sent is the draft as it was when Send was pressed, whatever is done to the
    // draft meanwhile.
    m_message = draft;
    m_draft = &draft;
    m_settings = settings;
    m_sending = true;
    updateRunning();
    Q_EMIT statusTextChanged(sendingMessageText());
    try {
        // A send ends by recording the message in Sent Items: a store that could not be read is
        // refused before anything is delivered.
        m_sent.checkSavable();
    } catch (const Error &error) {
        const Notice refused{Notice::Code::SendFailed, Notice::Kind::Error,
                             tr("The message was not sent: %1").arg(error.message()), false};
        QMetaObject::invokeMethod(this, [this, refused] { checked(refused); }, Qt::QueuedConnection);
        return true;
    }
    if (m_message.attachmentPaths.isEmpty()) {
        QMetaObject::invokeMethod(this, [this] { checked(std::nullopt); }, Qt::QueuedConnection);
        return true;
    }
    platform::startOnWorker(
        m_worker, this, [check = m_readCheck, paths = m_message.attachmentPaths] { return check(paths); },
        [this](const std::function<std::optional<Notice>()> &outcome) {
            std::optional<Notice> refused;
            try {
                refused = outcome();
            } catch (const Error &error) {
                refused = Notice{Notice::Code::SendFailed, Notice::Kind::Error,
                                 tr("The message was not sent: %1").arg(error.message()), false};
            }
            checked(refused);
        });
    return true;
}

void ComposeSend::checked(const std::optional<Notice> &refused)
{
    if (refused) {
        Q_EMIT statusTextChanged(QString());
        end({false, false, {}, {*refused}});
        return;
    }
    // The draft (and so this object) is asked at the send's end whether it was edited meanwhile.
    SendAction::DraftUnchanged unchanged = [self = QPointer<ComposeSend>(this), revision = m_message.revision] {
        return !self || !self->m_draft || self->m_draft->revision == revision;
    };
    // Handed over without a gap: this send runs until the action's finished comes.
    m_actionRuns = m_action.SendiExecute(m_message, m_settings, std::move(unchanged));
    if (!m_actionRuns) {
        Q_EMIT statusTextChanged(QString());
        end({true, false, {}, {{Notice::Code::SendWaitsForCheck, Notice::Kind::Information, tr("Corvane is checking for mail. Press Send again when the check has finished."), false}}});
    }
}

void ComposeSend::actionFinished(const SendResult &result)
{
    if (!std::exchange(m_actionRuns, false))
        return; // a send started elsewhere
    end(result);
}

void ComposeSend::end(const SendResult &result)
{
    m_sending = false;
    m_draft = nullptr;
    updateRunning();
    Q_EMIT finished(result);
}

} // namespace corvane::sending
