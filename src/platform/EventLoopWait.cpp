#include "EventLoopWait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace corvane::platform {

EventLoopWaiter::EventLoopWaiter(QObject *parent) : QObject(parent) {}

void EventLoopWaiter::wake()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_loop)
                m_loop->quit();
        },
        Qt::QueuedConnection);
}

bool EventLoopWaiter::waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    const QDeadlineTimer deadline =
        timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QEventLoop loop;
        QEventLoop *outer = m_loop;
        m_loop = &loop;
        QTimer timer;
        if (!deadline.isForever()) {
            timer.setSingleShot(true);
            timer.callOnTimeout(&loop, &QEventLoop::quit);
            timer.start(std::max<qint64>(0, deadline.remainingTime()));
        }
        loop.exec();
        m_loop = outer;
    }
    return true;
}

void EventLoopWaiter::runPendingEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace corvane::platform
