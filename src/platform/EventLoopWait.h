#pragma once

#include <QObject>

#include <functional>

class QEventLoop;

namespace corvane::platform {

// Waits for a condition while the event loop keeps running, without polling: whoever changes the
// state the condition looks at calls wake(), which makes the waiter test it again.
class EventLoopWaiter : public QObject
{
    Q_OBJECT

public:
    explicit EventLoopWaiter(QObject *parent = nullptr);

    // Safe from any thread.
    void wake();

    // Runs the event loop until the condition holds or the time-out passes (milliseconds; a
    // negative value waits without limit). Returns whether the condition holds.
    bool waitUntil(const std::function<bool()> &condition, int timeoutMs = -1);

    // Runs the events waiting now and returns: for work on the UI thread that goes on in slices
    // (a mail check between files, a grid fill between rows). The only other place, beside
    // waitUntil, where the program lets the event loop run inside an operation.
    static void runPendingEvents();

private:
    QEventLoop *m_loop = nullptr;
};

} // namespace corvane::platform
