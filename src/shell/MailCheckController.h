#pragma once

#include "addressbook/MailSettings.h"
#include "receiving/NewMailAnnouncement.h"
#include "core/LongOperation.h"
#include "core/Notice.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace corvane::shell {

struct MailCheckResult
{
    bool newMail = false; // something arrived: the window announces it and shows the Inbox
    QList<receiving::ArrivedMessage> arrived; // the messages the check stored
    QList<core::Notice> notices; // what the user must read, in order
};

// One run of the mail check, as the window starts it. The receiving side supplies it.
class MailCheckRunner
{
public:
    using Done = std::function<void(const MailCheckResult &result)>;

    virtual ~MailCheckRunner() = default;
    // Starts a check and returns; `done` is called once with its outcome, from the event loop, or
    // at once when the check cannot start. Throws corvane::Error when the check is refused.
    virtual void startCheck(Done done) = 0;
    // Asks the running check to end at its next step; `done` still comes.
    virtual void cancelCheck() {}
};

// The Check Mail command: shows "Checking Messages" and disables the command while a check runs,
// then reports new mail or the failure; files set aside are named in the status text it leaves. A request that arrives while a check is running (a timer
// tick) is dropped; the next tick checks again. Commands that conflict with the check consult
// refusalWhileRunning().
class MailCheckController : public core::LongOperation
{
    Q_OBJECT

public:
    explicit MailCheckController(QObject *parent = nullptr);

    void setRunner(MailCheckRunner *runner) { m_runner = runner; }
    MailCheckRunner *runner() const { return m_runner; }

    static QString checkingText() { return tr("Checking Messages"); }

public Q_SLOTS:
    // Starts a check, unless one is running, and returns at once.
    void check();
    // Ends a running check at its next step (the window is closing); finished still comes.
    void cancel();

Q_SIGNALS:
    void statusTextChanged(const QString &text);
    // Sent while the check still counts as running, so that no second check starts while the
    // announcement waits for the user.
    void newMailArrived(const QList<receiving::ArrivedMessage> &arrived);
    // After every check that ran, once its outcome has been signalled.
    void finished();
    // Something the check worded for the user (a file that cannot be opened, a failed save), and
    // the failure that ended a check, with code CheckFailed, after the command has come back.
    void noticeRaised(const core::Notice &notice);

protected:
    core::Notice busyNotice() const override;

private:
    void end(const MailCheckResult &result, const QString &failure);

    MailCheckRunner *m_runner = nullptr;
    quint64 m_run = 0; // counts the checks, so that an outcome reaches only its own check
};

} // namespace corvane::shell
