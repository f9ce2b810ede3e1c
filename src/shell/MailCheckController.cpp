#include "MailCheckController.h"

#include "Logging.h"

#include "platform/Errors.h"

namespace corvane::shell {

MailCheckController::MailCheckController(QObject *parent) : core::LongOperation(parent)
{
}

core::Notice MailCheckController::busyNotice() const
{
    return {core::Notice::Code::CheckRunning, core::Notice::Kind::Information,
            tr("Corvane is checking for mail. Try again when the check has finished."), false};
}

void MailCheckController::check()
{
    if (isRunning())
        return;
    Q_EMIT statusTextChanged(checkingText());
    setRunning(true);
    const quint64 run = ++m_run;
    auto done = [this, run](const MailCheckResult &result) {
        if (run == m_run && isRunning())
            end(result, {});
    };
    if (!m_runner) {
        end({}, {});
        return;
    }
    try {
        m_runner->startCheck(done);
    } catch (const Error &error) {
        end({}, error.message());
    } catch (const std::exception &error) {
        end({}, QString::fromLocal8Bit(error.what()));
    }
}

void MailCheckController::cancel()
{
    if (isRunning() && m_runner)
        m_runner->cancelCheck();
}

void MailCheckController::end(const MailCheckResult &result, const QString &failure)
{
    // A file set aside held nothing up: the status bar names it, with no box to close.
    QStringList setAside;
    for (const core::Notice &notice : result.notices) {
        if (notice.code == core::Notice::Code::MessageFileSetAside)
            setAside.append(notice.text);
        else
            Q_EMIT noticeRaised(notice);
    }
    if (failure.isEmpty() && result.newMail)
        Q_EMIT newMailArrived(result.arrived);

    // The command comes back and the status text clears whether the check ended well or not, so
    // that one failure does not leave Check Mail greyed out for the rest of the run.
    setRunning(false);
    Q_EMIT statusTextChanged(setAside.join(u' '));
    if (!failure.isEmpty()) {
        qCInfo(lcShell, "mail check failed: %s", qUtf8Printable(failure));
        Q_EMIT noticeRaised({core::Notice::Code::CheckFailed, core::Notice::Kind::Error, failure, false});
    }
    Q_EMIT finished();
}

} // namespace corvane::shell
