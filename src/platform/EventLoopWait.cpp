#include "EventLoopWait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace corvane::platform {

namespace {

// What QEventLoop::exec returns when it does not run because the application is quitting; the
// loops here are only ever ended with 0.
constexpr int kLoopRefused = -1;

} // namespace

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
        // Once the application has been told to quit, every event loop returns at once: wait for
        // the next event instead (a wake, the time-out, a hand-over), so that the wait neither
        // spins nor stops running what the worker hands to this thread.
        if (loop.exec() == kLoopRefused)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        m_loop = outer;
    }
    return true;
}

void EventLoopWaiter::runPendingEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace corvane::platform
