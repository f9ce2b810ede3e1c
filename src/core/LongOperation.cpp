#include "LongOperation.h"

namespace corvane::core {

std::optional<Notice> LongOperation::refusalWhileRunning() const
{
    if (!m_running)
        return std::nullopt;
    return busyNotice();
}

void LongOperation::setRunning(bool running)
{
    if (m_running == running)
        return;
    m_running = running;
    Q_EMIT runningChanged(running);
}

std::optional<Notice> refusalWhileAnyRuns(std::initializer_list<const LongOperation *> operations)
{
    for (const LongOperation *operation : operations) {
        if (operation)
            if (auto refusal = operation->refusalWhileRunning())
                return refusal;
    }
    return std::nullopt;
}

} // namespace corvane::core
