#include "shell/ProfileLock.h"

#include "support/TempFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

TEST(ProfileLock, ALockLeftByADeadProcessIsTakenOverAndAFreshOneWithoutHolderIsNot)
{
    const QByteArray deadHolder = "4194300\ncorvane\n" + QSysInfo::machineHostName().toUtf8() + "\n";
    const struct
    {
        const char *name;
        QByteArray content;
        int ageSeconds;
        bool takenOver;
    } cases[] = {
        {"names a process no longer running", deadHolder, 0, true},
        // Left by a copy that died between making the file and writing in it.
        {"empty for a minute", {}, 60, true},
        {"empty a moment ago", {}, 0, false},
    };
    for (const auto &c : cases) {
        TempFolder profile;
        const QString path = profile.file(corvane::shell::kProfileLockFileName);
        corvane::test::writeFile(path, c.content);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(QDateTime::currentDateTime().addSecs(-c.ageSeconds), QFileDevice::FileModificationTime);
        file.close();
        ProfileLock lock(profile.path());
        EXPECT_EQ(lock.tryLock(), c.takenOver) << c.name;
    }
}

} // namespace

namespace {

using Access = ProfileLock::Access;

// The lock of `refused` answers `access`; every other profile's lock is taken for real.
corvane::shell::ProfileLockTaker refusing(const QString &refused, Access access)
{
    return [refused, access](ProfileLock &lock) {
        return lock.lockFilePath().startsWith(refused) ? access : lock.take();
    };
}

TEST(ClaimProfile, AFolderThatCannotBeWrittenGivesWayToTheUsersOwnStartingFromItsSettings)
{
    TempFolder program;
    TempFolder config;
    program.write(QStringLiteral("main.ini"), "[Settings]\r\nName=Ann\r\n");
    const corvane::shell::ClaimedProfile claimed = corvane::shell::claimProfile(
        program.path(), config.path(), true, refusing(program.path(), Access::NotWritable));
    ASSERT_TRUE(claimed.error.isEmpty()) << claimed.error.toStdString();
    const QString own = config.path() + QStringLiteral("corvane") + QDir::separator();
    EXPECT_EQ(claimed.folders.profile, own);
    EXPECT_EQ(claimed.folders.data, program.path());
    EXPECT_TRUE(claimed.lock->isLocked());
    EXPECT_EQ(corvane::test::readFile(own + QStringLiteral("main.ini")), "[Settings]\r\nName=Ann\r\n");
    EXPECT_FALSE(claimed.notice.contains(QStringLiteral("another copy")));
    EXPECT_TRUE(claimed.notice.contains(QDir::toNativeSeparators(own))) << claimed.notice.toStdString();
}

TEST(ClaimProfile, AProfileHeldByAnotherCopyIsNotLeftForAnother)
{
    TempFolder program;
    TempFolder config;
    const corvane::shell::ClaimedProfile claimed = corvane::shell::claimProfile(
        program.path(), config.path(), true, refusing(program.path(), Access::HeldElsewhere));
    EXPECT_TRUE(claimed.heldElsewhere);
    EXPECT_TRUE(claimed.error.contains(QStringLiteral("in use by another copy of Corvane")));
    EXPECT_EQ(claimed.folders.profile, program.path());
    EXPECT_FALSE(QFileInfo::exists(config.path() + QStringLiteral("corvane")));
}

TEST(ClaimProfile, AGivenProfileThatCannotBeWrittenIsReportedAsSuch)
{
    TempFolder program;
    TempFolder config;
    const corvane::shell::ClaimedProfile claimed = corvane::shell::claimProfile(
        program.path(), config.path(), false, refusing(program.path(), Access::NotWritable));
    EXPECT_FALSE(claimed.heldElsewhere);
    EXPECT_TRUE(claimed.error.contains(QStringLiteral("cannot write"))) << claimed.error.toStdString();
    EXPECT_FALSE(claimed.error.contains(QStringLiteral("another copy")));
}

} // namespace

#ifdef Q_OS_LINUX
TEST(ProfileLock, AFolderNoOneMayWriteIsNotTakenForOneHeldByAnotherCopy)
{
    // Not even root may create files in /proc.
    ProfileLock lock(QStringLiteral("/proc/"));
    EXPECT_EQ(lock.take(), ProfileLock::Access::NotWritable);
}
#endif
