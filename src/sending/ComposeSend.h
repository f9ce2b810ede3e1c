#pragma once

#include "core/LongOperation.h"
#include "core/Notice.h"
#include "SendAction.h"

#include <QStringList>
#include <QThreadPool>

#include <functional>
#include <optional>

namespace corvane::sending {

class SentStore;

// The compose pane's Send: first refuses what would fail only half-way through a send (a Sent
// Items store that could not be read, so the message could not be recorded; an attached file that
// cannot be read, so its copies would fail after the message files were delivered), then runs the
// Send action. The attached files are read on a worker; the window keeps working. It runs from
// Send until its finished, covering the Send action's run: while it runs, commands that would
// replace or empty the message being written (Reply, Forward, Reopen, Clear) are refused with
// refusalWhileRunning().
class ComposeSend : public core::LongOperation
{
    Q_OBJECT

public:
    // Reads the attached files and names the first that cannot be read; runs on the worker.
    using ReadCheck = std::function<std::optional<core::Notice>(const QStringList &paths)>;

    ComposeSend(SendAction &action, SentStore &sent, QObject *parent = nullptr);
    // Waits for a read check still running on the worker.
    ~ComposeSend() override;

    // Starts the send of the draft as it is now and returns at once; finished follows. The
    // message is taken from the draft at once, and edits made while the send runs change only the
    // draft (they keep NewGuidNeeded set for the next send); `draft` must outlive the send or this
    // object. Starts nothing and returns false while a send runs.
    bool send(const Draft &draft, const addressbook::MailSettings &settings);

    // The first attached file that cannot be opened for reading, worded for the user. Blocks on
    // the files: not for the UI thread.
    static std::optional<core::Notice> unreadableAttachment(const QStringList &paths);
    // The mail check: a send waits for it, so Send while it runs is refused with its notice.
    void setMailCheck(const core::LongOperation *check) { m_check = check; }
    // Replaces unreadableAttachment for the check before a send (a slow share in tests).
    void setReadCheck(ReadCheck check) { m_readCheck = std::move(check); }

Q_SIGNALS:
    void statusTextChanged(const QString &text);
    // Once for every send started, after it stopped running. What the user must read is in the
    // result's notices; nothing was written when a check refused.
    void finished(const corvane::sending::SendResult &result);

protected:
    core::Notice busyNotice() const override { return SendAction::runningNotice(); }

private:
    void checked(const std::optional<core::Notice> &refused);
    void actionFinished(const SendResult &result);
    void end(const SendResult &result);
    void updateRunning() { setRunning(m_sending || m_action.isRunning()); }

    SendAction &m_action;
    SentStore &m_sent;
    const core::LongOperation *m_check = nullptr;
    ReadCheck m_readCheck = &ComposeSend::unreadableAttachment;
    // From Send until finished; m_actionRuns while the Send action runs this send.
    bool m_sending = false;
    bool m_actionRuns = false;
    Draft m_message;
    const Draft *m_draft = nullptr;
    addressbook::MailSettings m_settings;
    QThreadPool m_worker; // reads the attached files before a send
};

} // namespace corvane::sending
