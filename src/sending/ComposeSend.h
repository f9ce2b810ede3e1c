#pragma once

#include "core/LongOperation.h"
#include "core/Notice.h"
#include "SendAction.h"

#include <QObject>
#include <QStringList>
#include <QThreadPool>

#include <functional>
#include <optional>

namespace corvane::sending {

class SentStore;

inline const QString kSendWaitsForCheck =
    QStringLiteral("Corvane is checking for mail. Press Send again when the check has finished.");

// The compose pane's Send: first refuses what would fail only half-way through a send (a Sent
// Items store that could not be read, so the message could not be recorded; an attached file that
// cannot be read, so its copies would fail after the message files were delivered), then runs the
// Send action. The checks read the attached files off the UI thread; the window keeps working.
class ComposeSend : public QObject
{
    Q_OBJECT

public:
    // Reads the attached files and names the first that cannot be read; runs on the worker.
    using ReadCheck = std::function<std::optional<core::Notice>(const QStringList &paths)>;

    ComposeSend(SendAction &action, SentStore &sent, QObject *parent = nullptr);

    bool isRunning() const { return m_running || m_action.isRunning(); }

    // The one rule for commands that would replace or empty the message being written (Reply,
    // Forward, Reopen, Clear): while a send runs they are refused, and the notice says why. None
    // when no send runs.
    std::optional<core::Notice> refusalWhileSending() const;

    // The send of the draft as it is now: the message is taken from it at once, and edits made
    // while the send waits change only the draft (they keep NewGuidNeeded set for the next send).
    // What the user must read is in the result's notices. Nothing is written when a check refuses.
    SendResult send(const Draft &draft, const addressbook::MailSettings &settings);

    // The first attached file that cannot be opened for reading, worded for the user. Blocks on
    // the files: not for the UI thread.
    static std::optional<core::Notice> unreadableAttachment(const QStringList &paths);
    // The mail check: a send waits for it, so Send while it runs is refused with its notice.
    void setMailCheck(const core::LongOperation *check) { m_check = check; }
    // Replaces unreadableAttachment for the check before a send (a slow share in tests).
    void setReadCheck(ReadCheck check) { m_readCheck = std::move(check); }

Q_SIGNALS:
    void statusTextChanged(const QString &text);
    void runningChanged(bool running);

private:
    std::optional<core::Notice> checkOffUiThread(QStringList paths);

    SendAction &m_action;
    SentStore &m_sent;
    const core::LongOperation *m_check = nullptr;
    bool m_running = false;
    ReadCheck m_readCheck = &ComposeSend::unreadableAttachment;
    QThreadPool m_worker; // reads the attached files before a send
};

} // namespace corvane::sending
