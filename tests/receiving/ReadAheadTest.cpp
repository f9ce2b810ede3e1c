#include "receiving/ReadAhead.h"

#include "support/TempFolder.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using corvane::receiving::FileRead;
using corvane::receiving::ReadAhead;
using corvane::test::TempFolder;

namespace {

TEST(ReadAhead, HandsOverFilesInOrderAndSaysWhichVanished)
{
    TempFolder folder;
    QStringList paths;
    for (int i = 1; i <= 100; ++i) {
        const QString name = QStringLiteral("Bob%1.cvm").arg(i);
        if (i != 50)
            folder.write(name, QByteArray::number(i));
        paths.append(folder.file(name));
    }
    ReadAhead reader(paths);
    for (int i = 1; i <= 100; ++i) {
        const FileRead read = reader.next([] {});
        EXPECT_EQ(read.path, paths[i - 1]);
        if (i == 50) {
            EXPECT_FALSE(read.opened);
            EXPECT_FALSE(read.exists);
        } else {
            EXPECT_TRUE(read.opened);
            EXPECT_EQ(read.bytes, QByteArray::number(i));
        }
    }
}

TEST(ReadAhead, AHangingReadLetsTheWindowRunAndCanBeAbandoned)
{
    // A named pipe without a writer blocks its reader, as a file on a hung share does.
    TempFolder folder;
    const QByteArray fifo = QFile::encodeName(folder.file(QStringLiteral("Bob1.cvm")));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);

    int eventRuns = 0;
    int writer = -1;
    {
        ReadAhead reader({QString::fromLocal8Bit(fifo)});
        const FileRead read = reader.next([&] {
            // The window's events run while the read hangs; after a few, the "share" answers. The
            // writer can only open once the reader's open is waiting, so it tries at every run.
            if (++eventRuns >= 3 && writer < 0) {
                writer = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
                if (writer >= 0) {
                    EXPECT_EQ(::write(writer, "<x/>", 4), 4);
                    ::close(writer);
                }
            }
        });
        EXPECT_GE(eventRuns, 3);
        EXPECT_EQ(read.bytes, QByteArray("<x/>"));
    }

    // Abandoning a reader whose read still hangs returns at once.
    QElapsedTimer timer;
    timer.start();
    { ReadAhead abandoned({QString::fromLocal8Bit(fifo)}); }
    EXPECT_LT(timer.elapsed(), 1000);
    // Let the abandoned worker finish, if it got as far as opening the pipe.
    for (int i = 0; i < 30 && (writer = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK)) < 0; ++i)
        ::usleep(10000);
    if (writer >= 0)
        ::close(writer);
}

} // namespace
