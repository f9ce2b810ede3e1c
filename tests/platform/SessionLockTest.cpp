#include "platform/FolderLock.h"

#include "support/TempFolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#endif

using corvane::platform::SessionLock;
using corvane::test::TempFolder;

namespace {

// Plays a machine of the given identity for as long as it lives.
class OnMachine
{
public:
    explicit OnMachine(const QString &identity) { corvane::platform::setMachineIdentityForTesting(identity); }
    ~OnMachine() { corvane::platform::setMachineIdentityForTesting(std::nullopt); }
    OnMachine(const OnMachine &) = delete;
    OnMachine &operator=(const OnMachine &) = delete;
};

const QString kThisMachine = QStringLiteral("machine-a boot-1");
const QByteArray kHere = QSysInfo::machineHostName().toUtf8();

void age(const QString &file, qint64 seconds)
{
    QFile note(file);
    ASSERT_TRUE(note.open(QIODevice::ReadWrite));
    ASSERT_TRUE(note.setFileTime(QDateTime::currentDateTime().addSecs(-seconds), QFileDevice::FileModificationTime));
}

QString noteOf(const QString &lockPath)
{
    return lockPath + QStringLiteral("/holder");
}

TEST(SessionLock, ASecondHolderIsRefusedUntilTheFirstReleases)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("store.lock"));
    SessionLock first(path);
    SessionLock second(path);
    ASSERT_EQ(first.take(), SessionLock::Outcome::Taken);
    EXPECT_EQ(second.take(), SessionLock::Outcome::HeldElsewhere);
    EXPECT_TRUE(second.holder().contains(QSysInfo::machineHostName()));
    first.release();
    EXPECT_FALSE(QDir(path).exists());
    EXPECT_EQ(second.take(), SessionLock::Outcome::Taken);
}

// A lock folder left by another holder: its note (placed, or still being placed under a temporary
// name) and how long ago it was written, seen from this machine. Every note bears this host name
// but the last ones: machines cloned from one image share it.
TEST(SessionLock, ALockIsBrokenAtOnceOnlyWhenItsHolderProvablyEndedOnThisMachineInThisBoot)
{
    const QString placed = QStringLiteral("holder");
    const QString placing = QStringLiteral("~corvane-1x2y3z.tmp");
    const qint64 stale = SessionLock::kStaleAfter.count() / 1000;
    const QByteArray ended = kHere + "\n4194300\ncorvane\n";
    const QByteArray alive = kHere + "\n" + QByteArray::number(QCoreApplication::applicationPid()) + "\ncorvane\n";
    using enum SessionLock::Outcome;
    const struct
    {
        const char *what;
        QByteArray note;
        qint64 secondsAgo;
        SessionLock::Outcome outcome;
        QString noteName = QStringLiteral("holder");
        QString identity = kThisMachine;
    } cases[] = {
        {"a process that ended on this machine in this boot", ended + "machine-a boot-1\nt1\n", 0, Taken},
        {"a live process on this machine", alive + "machine-a boot-1\nt1\n", 0, HeldElsewhere},
        {"a machine with the same host name", ended + "machine-b boot-1\nt1\n", 0, HeldElsewhere},
        {"a clone with the same machine id", ended + "machine-a boot-7\nt1\n", 0, HeldElsewhere},
        {"an older copy, whose note names no machine", ended, 0, HeldElsewhere},
        {"this machine, while it cannot tell who it is", ended + "\nt1\n", 0, HeldElsewhere, placed, QString()},
        {"a machine with the same host name that stopped refreshing", ended + "machine-b boot-1\nt1\n",
         stale + 60, Taken},
        {"an older copy that stopped refreshing", ended, stale + 60, Taken},
        {"a process that ended here while placing its note", ended + "machine-a boot-1\n", 0, Taken, placing},
        {"a live process here placing its note", alive + "machine-a boot-1\n", 0, HeldElsewhere, placing},
        {"a process that ended here while writing its note's process line", kHere + "\n41943", 0, HeldElsewhere,
         placing},
        {"a process that ended while writing its machine's identity", ended + "machine-a boo", 0, HeldElsewhere,
         placing},
        {"a copy elsewhere refreshing within the stale time", "other-host\n4194300\ncorvane\n", stale - 60,
         HeldElsewhere},
        {"a copy elsewhere that stopped refreshing", "other-host\n4194300\ncorvane\nmachine-c boot-1\nt1\n",
         stale + 60, Taken},
    };
    for (const auto &c : cases) {
        const OnMachine machine(c.identity);
        TempFolder folder;
        const QString path = folder.subfolder(QStringLiteral("store.lock"));
        corvane::test::writeFile(path + c.noteName, c.note);
        age(path + c.noteName, c.secondsAgo);
        SessionLock lock(path.chopped(1));
        EXPECT_EQ(lock.take(), c.outcome) << c.what;
        // A broken lock leaves nothing behind.
        if (c.outcome == Taken) {
            lock.release();
            EXPECT_TRUE(QDir(folder.path()).isEmpty()) << c.what;
        }
    }
}

// Holder A's refreshes stalled (the machine slept) until its lock went stale; then the lock was
// broken. A finds out at its next refresh and leaves the lock as it finds it.
TEST(SessionLock, AHolderWhoseLockWasBrokenNeitherRewritesNorRemovesIt)
{
    const qint64 stale = SessionLock::kStaleAfter.count() / 1000;
    // Each breaks the lock at path; the copy that holds it now, if one does.
    const struct
    {
        const char *what;
        std::function<std::unique_ptr<SessionLock>(const QString &path)> breakIt;
    } cases[] = {
        {"another copy took it over",
         [](const QString &path) {
             auto next = std::make_unique<SessionLock>(path);
             EXPECT_EQ(next->take(), SessionLock::Outcome::Taken);
             return next;
         }},
        {"an older copy took it over",
         [](const QString &path) {
             QDir().rename(path, path + QStringLiteral(".aside"));
             QDir().mkdir(path);
             corvane::test::writeFile(noteOf(path), "other-host\n4194300\ncorvane\n");
             return std::unique_ptr<SessionLock>();
         }},
        {"someone removed it",
         [](const QString &path) {
             QDir(path).removeRecursively();
             return std::unique_ptr<SessionLock>();
         }},
    };
    for (const auto &c : cases) {
        TempFolder folder;
        const QString path = folder.subfolder(QStringLiteral("share")) + QStringLiteral("store.lock");
        SessionLock a(path);
        ASSERT_EQ(a.take(), SessionLock::Outcome::Taken);
        age(noteOf(path), stale + 60);
        const std::unique_ptr<SessionLock> next = c.breakIt(path);
        const bool present = QDir(path).exists();
        const QByteArray note = present ? corvane::test::readFile(noteOf(path)) : QByteArray();

        EXPECT_EQ(a.refresh(), SessionLock::Refresh::TakenOver) << c.what;
        EXPECT_FALSE(a.isHeld()) << c.what;
        EXPECT_EQ(a.refresh(), SessionLock::Refresh::NotHeld) << c.what;
        a.release();
        ASSERT_EQ(QDir(path).exists(), present) << c.what;
        if (present) {
            EXPECT_EQ(corvane::test::readFile(noteOf(path)), note) << c.what;
            SessionLock third(path);
            EXPECT_EQ(third.take(), SessionLock::Outcome::HeldElsewhere) << c.what;
        }
    }
}

// Another copy in a process of its own, playing the machine `identity` with this host name.
class OtherCopy
{
public:
    OtherCopy(const QString &lockPath, const QString &identity)
    {
        m_process.start(QStringLiteral(SESSION_LOCK_HOLDER_PATH), {lockPath, identity});
    }
    ~OtherCopy()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(10000))
            m_process.kill();
    }
    QByteArray answer()
    {
        while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {
        }
        return m_process.readLine().trimmed();
    }
    QByteArray ask(const QByteArray &command)
    {
        m_process.write(command + '\n');
        return answer();
    }
    // Ends at once, as a copy that crashed: from another machine it looks no different from one
    // that runs on, there.
    void crash()
    {
        m_process.kill();
        m_process.waitForFinished(10000);
    }

private:
    QProcess m_process;
};

TEST(SessionLock, AHolderOnAnotherMachineWithTheSameHostNameIsNotTakenForDead)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("store.lock"));
    OtherCopy other(path, QStringLiteral("machine-b boot-1"));
    ASSERT_EQ(other.answer(), "Taken");
    const OnMachine here(kThisMachine);
    SessionLock lock(path);
    EXPECT_EQ(lock.take(), SessionLock::Outcome::HeldElsewhere);
    other.crash();
    EXPECT_EQ(lock.take(), SessionLock::Outcome::HeldElsewhere);
    // The machine it ran on sees that it has ended.
    const OnMachine there(QStringLiteral("machine-b boot-1"));
    EXPECT_EQ(lock.take(), SessionLock::Outcome::Taken);
}

TEST(SessionLock, ACopyThatWakesToFindItsLockTakenOverLeavesItToTheNewHolder)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("store.lock"));
    OtherCopy sleeper(path, QStringLiteral("machine-b boot-1"));
    ASSERT_EQ(sleeper.answer(), "Taken");
    age(noteOf(path), SessionLock::kStaleAfter.count() / 1000 + 60);
    const OnMachine here(kThisMachine);
    SessionLock lock(path);
    ASSERT_EQ(lock.take(), SessionLock::Outcome::Taken);
    const QByteArray note = corvane::test::readFile(noteOf(path));
    EXPECT_EQ(sleeper.ask("refresh"), "taken over");
    EXPECT_EQ(sleeper.ask("release"), "released");
    EXPECT_EQ(corvane::test::readFile(noteOf(path)), note);
    EXPECT_EQ(lock.refresh(), SessionLock::Refresh::Kept);
    OtherCopy third(path, QStringLiteral("machine-c boot-1"));
    EXPECT_EQ(third.answer(), "HeldElsewhere");
}

#ifdef Q_OS_UNIX
// The owner of a drop box removes a delivery lock that a sender's copy left when it died; a
// sender's lock of the moment stays.
TEST(AbandonedFolderLock, OnlyALockOlderThanTheGivenAgeIsRemoved)
{
    const std::chrono::minutes olderThan{10};
    const struct
    {
        const char *what;
        qint64 secondsAgo;
        bool removed;
    } cases[] = {
        {"left an hour ago", 3600, true},
        {"just past the age", 11 * 60, true},
        {"held a minute ago", 60, false},
        {"taken a moment ago", 0, false},
    };
    for (const auto &c : cases) {
        TempFolder folder;
        const QString lock = corvane::platform::FolderLock::lockPathFor(folder.path());
        ASSERT_TRUE(QDir().mkdir(lock));
        const timespec when{QDateTime::currentSecsSinceEpoch() - c.secondsAgo, 0};
        const timespec times[2] = {when, when};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(lock).constData(), times, 0), 0);
        EXPECT_EQ(corvane::platform::removeAbandonedFolderLock(folder.path(), olderThan), c.removed) << c.what;
        EXPECT_EQ(QDir(lock).exists(), !c.removed) << c.what;
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(),
                  c.removed ? 0 : 1)
            << c.what << ": nothing left aside";
    }
    TempFolder none;
    EXPECT_FALSE(corvane::platform::removeAbandonedFolderLock(none.path(), olderThan));
}
#endif

} // namespace
