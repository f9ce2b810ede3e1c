#include "shell/AutoCheckTimer.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <limits>

using corvane::shell::AutoCheckTimer;

namespace {

TEST(AutoCheckTimer, TheIntervalIsTheMinutesTimesSixtyThousandMilliseconds)
{
    AutoCheckTimer timer;
    timer.setIntervalMinutes(5);
    EXPECT_EQ(timer.intervalMs(), 300000);
    EXPECT_EQ(AutoCheckTimer::intervalMsFor(std::numeric_limits<int>::max()),
              std::numeric_limits<int>::max());
}

TEST(AutoCheckTimer, ZeroOrNegativeMinutesNeverTickEvenWhenEnabled)
{
    AutoCheckTimer timer;
    timer.setEnabled(true);
    timer.setIntervalMinutes(0);
    EXPECT_FALSE(timer.isTicking());
    timer.setIntervalMinutes(-3);
    EXPECT_FALSE(timer.isTicking());
    EXPECT_EQ(timer.intervalMs(), 0);
    timer.setIntervalMinutes(2);
    EXPECT_TRUE(timer.isTicking());
}

TEST(AutoCheckTimer, ANewIntervalRestartsARunningCountdownButDoesNotSwitchTheTimerOn)
{
    AutoCheckTimer timer;
    timer.setIntervalMinutes(2);
    EXPECT_FALSE(timer.isTicking());
    timer.setEnabled(true);
    timer.setIntervalMinutes(10);
    timer.setIntervalMinutes(2);
    EXPECT_TRUE(timer.isTicking());
    EXPECT_GT(timer.timer()->remainingTime(), 119000);
    timer.setEnabled(false);
    EXPECT_FALSE(timer.isTicking());
}

} // namespace
