#pragma once

#include "addressbook/MailSettings.h"
#include "receiving/NewMailAnnouncement.h"
#include "core/Notice.h"

#include <QList>
#include <QObject>
#include <QString>

namespace corvane::shell {

struct MailCheckResult
{
    bool newMail = false; // something arrived: the window announces it and shows the Inbox
    QList<receiving::ArrivedMessage> arrived; // the messages the check stored
    QList<core::Notice> notices; // what the user must read, in order
};

// One run of the mail check, as the window starts it. The receiving side supplies it; it runs on the
// user interface thread, letting window events run between its files, and throws corvane::Error
// when the check ends on a failure.
class MailCheckRunner
{
public:
    virtual ~MailCheckRunner() = default;
    virtual MailCheckResult runCheck() = 0;
};

// The Check Mail command: shows "Checking Messages" and disables the command while a check runs,
// then reports new mail or the failure. A request that arrives while a check is running (a timer
// tick handled between its files) is dropped; the next tick checks again.
class MailCheckController : public QObject
{
    Q_OBJECT

public:
    explicit MailCheckController(QObject *parent = nullptr);

    void setRunner(MailCheckRunner *runner) { m_runner = runner; }
    MailCheckRunner *runner() const { return m_runner; }
    bool isRunning() const { return m_running; }

    static QString checkingText() { return QStringLiteral("Checking Messages"); }

public Q_SLOTS:
    void check();

Q_SIGNALS:
    void statusTextChanged(const QString &text);
    void runningChanged(bool running);
    // Sent while the check still counts as running, so that no second check starts while the
    // announcement waits for the user.
    void newMailArrived(const QList<receiving::ArrivedMessage> &arrived);
    // After every check that ran, once its outcome has been signalled.
    void finished();
    // Something the check worded for the user (an unreadable file set aside, a failed save), and
    // the failure that ended a check, with code CheckFailed, after the command has come back.
    void noticeRaised(const core::Notice &notice);

private:
    MailCheckRunner *m_runner = nullptr;
    bool m_running = false;
};

} // namespace corvane::shell
