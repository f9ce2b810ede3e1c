#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <functional>

namespace corvane::test {

// Waits in a nested event loop until a condition holds, for tests only: whoever changes what the
// condition looks at calls wake() (from any thread), and the condition is tested again.
class EventLoopWaiter : public QObject
{
public:
    void wake()
    {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_loop)
                    m_loop->quit();
            },
            Qt::QueuedConnection);
    }

    // False when the time-out (milliseconds) passes first.
    bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 60000)
    {
        const QDeadlineTimer deadline(timeoutMs);
        while (!condition()) {
            if (deadline.hasExpired())
                return false;
            QEventLoop loop;
            m_loop = &loop;
            QTimer timer;
            timer.setSingleShot(true);
            timer.callOnTimeout(&loop, &QEventLoop::quit);
            timer.start(std::max<qint64>(0, deadline.remainingTime()));
            loop.exec();
            m_loop = nullptr;
        }
        return true;
    }

private:
    QEventLoop *m_loop = nullptr;
};

} // namespace corvane::test
