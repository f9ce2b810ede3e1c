#include "platform/FolderLock.h"

#include "support/TempFolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSysInfo>

#include <gtest/gtest.h>

using corvane::platform::SessionLock;
using corvane::test::TempFolder;

namespace {

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
// name), and how long ago the note was written.
TEST(SessionLock, ALockIsBrokenOnlyWhenItsHolderIsGone)
{
    const QString placed = QStringLiteral("holder");
    const QString placing = QStringLiteral("~corvane-1x2y3z.tmp");
    const QByteArray here = QSysInfo::machineHostName().toUtf8();
    const qint64 stale = SessionLock::kStaleAfter.count() / 1000;
    const struct
    {
        const char *what;
        QByteArray note;
        qint64 secondsAgo;
        SessionLock::Outcome outcome;
        QString noteName;
    } cases[] = {
        {"a process that ended on this machine", here + "\n4194300\ncorvane\n", 0, SessionLock::Outcome::Taken, placed},
        {"a live copy elsewhere", "other-host\n4194300\ncorvane\n", 0, SessionLock::Outcome::HeldElsewhere, placed},
        {"a copy elsewhere that stopped refreshing", "other-host\n4194300\ncorvane\n", stale + 60,
         SessionLock::Outcome::Taken, placed},
        {"a copy elsewhere refreshing within the stale time", "other-host\n1\ncorvane\n", stale - 60,
         SessionLock::Outcome::HeldElsewhere, placed},
        {"a process that ended here while placing its note", here + "\n4194300\ncorvane\n", 0,
         SessionLock::Outcome::Taken, placing},
        {"a live process here placing its note", here + "\n" + QByteArray::number(QCoreApplication::applicationPid()) + "\n",
         0, SessionLock::Outcome::HeldElsewhere, placing},
        {"a process that ended here while writing its note's process line", here + "\n41943", 0,
         SessionLock::Outcome::HeldElsewhere, placing},
    };
    for (const auto &c : cases) {
        TempFolder folder;
        const QString path = folder.subfolder(QStringLiteral("store.lock"));
        corvane::test::writeFile(path + c.noteName, c.note);
        QFile note(path + c.noteName);
        ASSERT_TRUE(note.open(QIODevice::ReadWrite));
        ASSERT_TRUE(note.setFileTime(QDateTime::currentDateTime().addSecs(-c.secondsAgo),
                                     QFileDevice::FileModificationTime));
        note.close();
        SessionLock lock(path.chopped(1));
        EXPECT_EQ(lock.take(), c.outcome) << c.what;
        // A broken lock leaves nothing behind.
        if (c.outcome == SessionLock::Outcome::Taken) {
            lock.release();
            EXPECT_TRUE(QDir(folder.path()).isEmpty()) << c.what;
        }
    }
}

} // namespace
