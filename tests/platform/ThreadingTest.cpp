#include "platform/EventLoopWait.h"
#include "platform/UiThread.h"

#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

using namespace corvane::platform;

namespace {

TEST(UiThread, WorkerRunsAFunctionOnTheUiThreadAndWaitsForIt)
{
    std::atomic<bool> done = false;
    QThread *ranOn = nullptr;
    bool sawException = false;
    EventLoopWaiter waiter;
    QThread *worker = QThread::create([&] {
        runOnUiThreadAndWait([&] { ranOn = QThread::currentThread(); });
        try {
            runOnUiThreadAndWait([] { throw std::runtime_error("boom"); });
        } catch (const std::runtime_error &) {
            sawException = true;
        }
        done = true;
        waiter.wake();
    });
    worker->start();
    EXPECT_TRUE(waiter.waitUntil([&] { return done.load(); }, 5000));
    worker->wait();
    delete worker;
    EXPECT_EQ(ranOn, QThread::currentThread());
    EXPECT_TRUE(sawException);
}

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

} // namespace
