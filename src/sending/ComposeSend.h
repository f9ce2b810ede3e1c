#pragma once

#include "core/Notice.h"
#include "SendAction.h"

#include <QObject>
#include <QStringList>
#include <QThreadPool>

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
    ComposeSend(SendAction &action, SentStore &sent, QObject *parent = nullptr);

    bool isRunning() const { return m_running || m_action.isRunning(); }

    // The send of the draft; what the user must read is in the result's notices. Nothing is
    // written when a check refuses.
    SendResult send(const Draft &draft, const addressbook::MailSettings &settings);

    // The first attached file that cannot be opened for reading, worded for the user. Blocks on
    // the files: not for the UI thread.
    static std::optional<core::Notice> unreadableAttachment(const QStringList &paths);

Q_SIGNALS:
    void statusTextChanged(const QString &text);
    void runningChanged(bool running);

private:
    std::optional<core::Notice> checkOffUiThread(QStringList paths);

    SendAction &m_action;
    SentStore &m_sent;
    bool m_running = false;
    QThreadPool m_worker; // reads the attached files before a send
};

} // namespace corvane::sending
