#include "shell/ProfileLock.h"

#include "support/TempFolder.h"

#include <QSysInfo>

#include <gtest/gtest.h>

using corvane::shell::ProfileLock;
using corvane::test::TempFolder;

namespace {

TEST(ProfileLock, ASecondHolderIsRefusedUntilTheFirstLetsGo)
{
    TempFolder profile;
    ProfileLock first(profile.path());
    ProfileLock second(profile.path());
    ASSERT_TRUE(first.tryLock());
    EXPECT_FALSE(second.tryLock());
    EXPECT_TRUE(second.busyMessage().contains(QStringLiteral("in use by another copy of Corvane")));
    first.unlock();
    EXPECT_TRUE(second.tryLock());
}

TEST(ProfileLock, ALockLeftByADeadProcessIsTakenOver)
{
    TempFolder profile;
    // A lock file naming a process that no longer runs on this machine.
    corvane::test::writeFile(profile.file(corvane::shell::kProfileLockFileName),
                             "4194300\ncorvane\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    ProfileLock lock(profile.path());
    EXPECT_TRUE(lock.tryLock());
}

} // namespace
