#include "platform/EventLoopWait.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>

using namespace corvane::platform;

namespace {

TEST(EventLoopWaiter, KeepsTimersRunningWhileWaitingAndTimesOut)
{
    EventLoopWaiter waiter;
    int ticks = 0;
    QTimer timer;
    timer.setInterval(5);
    timer.callOnTimeout([&] {
        if (++ticks == 3)
            waiter.wake();
    });
    timer.start();
    EXPECT_TRUE(waiter.waitUntil([&] { return ticks >= 3; }, 5000));
    timer.stop();
    EXPECT_FALSE(waiter.waitUntil([] { return false; }, 30));
}

// After the application was told to quit, every event loop returns at once; a wait for a worker
// then still sleeps until it is woken, instead of testing its condition over and over, and still
// runs what the worker hands to the UI thread.
TEST(EventLoopWaiter, WaitsWithoutSpinningOnceTheApplicationIsQuitting)
{
    int tests = 0;
    bool waited = false;
    QTimer::singleShot(0, [&] {
        QCoreApplication::exit(0);
        EventLoopWaiter waiter;
        std::atomic<bool> handedOver = false;
        QThread *worker = QThread::create([&] {
            QThread::msleep(200);
            // A queued hand-over, dropped with the waiter if it never runs.
            QMetaObject::invokeMethod(
                &waiter,
                [&] {
                    handedOver = true;
                    waiter.wake();
                },
                Qt::QueuedConnection);
        });
        worker->start();
        waited = waiter.waitUntil(
            [&] {
                ++tests;
                return handedOver.load();
            },
            3000);
        worker->wait();
        delete worker;
    });
    QCoreApplication::exec(); // returns once the wait has ended
    EXPECT_TRUE(waited);
    EXPECT_LT(tests, 50);
}

} // namespace
