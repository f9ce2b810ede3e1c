#include "MailCheckController.h"

#include "Logging.h"

#include "platform/Errors.h"

namespace corvane::shell {

MailCheckController::MailCheckController(QObject *parent) : QObject(parent)
{
}

void MailCheckController::check()
{
    if (m_running)
        return;
    m_running = true;
    Q_EMIT statusTextChanged(checkingText());
    Q_EMIT runningChanged(true);

    MailCheckResult result;
    QString failure;
    try {
        if (m_runner)
            result = m_runner->runCheck();
    } catch (const Error &error) {
        failure = error.message();
    } catch (const std::exception &error) {
        failure = QString::fromLocal8Bit(error.what());
    }

    for (const core::Notice &notice : result.notices)
        Q_EMIT noticeRaised(notice);
    if (failure.isEmpty() && result.newMail)
        Q_EMIT newMailArrived(result.arrived);

    // The command comes back and the status text clears whether the check ended well or not, so
    // that one failure does not leave Check Mail greyed out for the rest of the run.
    m_running = false;
    Q_EMIT runningChanged(false);
    Q_EMIT statusTextChanged(QString());
    if (!failure.isEmpty()) {
        qCInfo(lcShell, "mail check failed: %s", qUtf8Printable(failure));
        Q_EMIT noticeRaised({core::Notice::Code::CheckFailed, core::Notice::Kind::Error, failure, false});
    }
    Q_EMIT finished();
}

} // namespace corvane::shell
