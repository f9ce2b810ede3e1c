#pragma once

#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <functional>

namespace corvane::test {

// Runs the event loop until `done` holds, testing it again whenever the sender emits the signal.
// For tests only: the program itself never waits inside an event loop. False on the time-out.
template<typename Sender, typename Signal>
bool runEventsUntil(const Sender *sender, Signal signal, const std::function<bool()> &done, int timeoutMs = 60000)
{
    if (done())
        return true;
    QEventLoop loop;
    QObject::connect(sender, signal, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

// Waits until a platform::BackgroundCopies has no copy running.
template<typename Copies>
bool waitForCopies(Copies &copies)
{
    return runEventsUntil(&copies, &Copies::finished, [&copies] { return copies.running() == 0; });
}

} // namespace corvane::test
