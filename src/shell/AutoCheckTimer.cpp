#include "AutoCheckTimer.h"

#include <QTimer>

#include <algorithm>
#include <limits>

namespace corvane::shell {

AutoCheckTimer::AutoCheckTimer(QObject *parent) : QObject(parent), m_timer(new QTimer(this))
{
    m_timer->setObjectName(QStringLiteral("CheckMailT"));
    m_timer->setInterval(600000);
    connect(m_timer, &QTimer::timeout, this, &AutoCheckTimer::tick);
}

int AutoCheckTimer::intervalMsFor(int minutes)
{
    if (minutes <= 0)
        return 0;
    const qint64 ms = qint64(minutes) * 60000;
    return int(std::min<qint64>(ms, std::numeric_limits<int>::max()));
}

void AutoCheckTimer::setIntervalMinutes(int minutes)
{
    m_timer->setInterval(intervalMsFor(minutes));
    restart();
}

void AutoCheckTimer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    restart();
}

bool AutoCheckTimer::isTicking() const
{
    return m_timer->isActive();
}

int AutoCheckTimer::intervalMs() const
{
    return m_timer->interval();
}

void AutoCheckTimer::restart()
{
    // A zero-interval QTimer would fire on every pass of the event loop; zero means "never".
    if (m_enabled && m_timer->interval() > 0)
        m_timer->start();
    else
        m_timer->stop();
}

} // namespace corvane::shell
