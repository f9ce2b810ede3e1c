#include "shell/widgets/SingleInstance.h"

#include "support/EventLoopWaiter.h"

#include "support/TempFolder.h"

#include <QThread>

#include <gtest/gtest.h>

#include <atomic>

using corvane::shell::SingleInstance;

namespace {

TEST(SingleInstance, ASecondStartOnTheSameProfileAsksTheFirstToComeForward)
{
    corvane::test::TempFolder profile;
    SingleInstance first(profile.path());
    ASSERT_TRUE(first.listen());
    int activations = 0;
    corvane::test::EventLoopWaiter waiter;
    QObject::connect(&first, &SingleInstance::activationRequested, &first, [&] {
        ++activations;
        waiter.wake();
    });

    // The second start runs in another thread here, as it would in another process.
    std::atomic<bool> answered = false;
    QThread *second = QThread::create([&] {
        answered = SingleInstance(profile.path()).activateRunning();
        waiter.wake();
    });
    second->start();
    EXPECT_TRUE(waiter.waitUntil([&] { return activations == 1 && second->isFinished(); }, 10000));
    second->wait();
    delete second;
    EXPECT_TRUE(answered);

    corvane::test::TempFolder other;
    EXPECT_FALSE(SingleInstance(other.path()).activateRunning(200)) << "another profile has no window";
}

} // namespace
