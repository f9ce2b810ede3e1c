#include "receiving/ReadAhead.h"

#include "support/TempFolder.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using corvane::receiving::FileRead;
using corvane::receiving::ReadAhead;
using corvane::test::TempFolder;

namespace {

// The next file, taken as the check takes it (the test may block; the check never does).
FileRead nextRead(ReadAhead &reader)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (std::optional<FileRead> read = reader.tryNext())
            return *read;
        if (waited.elapsed() > 5000)
            throw std::runtime_error("no file within 5 s");
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

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
        const FileRead read = nextRead(reader);
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

struct Kind
{
    const char *name;
    FileRead::Refusal refusal; // None: read whole
};

TEST(ReadAhead, ReadsOnlyRegularFilesOfTheFolderAndNothingOverTheLimitWithoutEverWaiting)
{
    TempFolder temp;
    const QString folder = temp.subfolder(QStringLiteral("inbox"));
    const auto at = [&](const char *name) { return QFile::encodeName(folder + QString::fromUtf8(name)); };
    corvane::test::writeFile(folder + QStringLiteral("Bob1.cvm"), "<Corvane/>");
    corvane::test::writeFile(temp.file(QStringLiteral("outside.cvm")), "<Corvane/>");
    ASSERT_EQ(::mkfifo(at("Bob2.cvm").constData(), 0600), 0); // no writer: an open that waits would hang
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(std::size_t(at("Bob3.cvm").size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, at("Bob3.cvm").constData(), std::size_t(at("Bob3.cvm").size()));
    ASSERT_EQ(::bind(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    ASSERT_EQ(::symlink("/dev/zero", at("Bob4.cvm").constData()), 0); // endless
    ASSERT_EQ(::symlink("../outside.cvm", at("Bob5.cvm").constData()), 0);
    ASSERT_EQ(::symlink("Bob1.cvm", at("Bob6.cvm").constData()), 0);
    const int sparse = ::open(at("Bob7.cvm").constData(), O_WRONLY | O_CREAT, 0600);
    ASSERT_EQ(::ftruncate(sparse, corvane::receiving::kMaxMessageFileBytes + 1), 0);
    ::close(sparse);
    ASSERT_EQ(::symlink("Bob7.cvm", at("Bob8.cvm").constData()), 0);

    const Kind kinds[] = {
        {"Bob1.cvm", FileRead::Refusal::None},     {"Bob2.cvm", FileRead::Refusal::NotAFile},
        {"Bob3.cvm", FileRead::Refusal::NotAFile}, {"Bob4.cvm", FileRead::Refusal::NotAFile},
        {"Bob5.cvm", FileRead::Refusal::NotAFile}, {"Bob6.cvm", FileRead::Refusal::None},
        {"Bob7.cvm", FileRead::Refusal::TooLarge}, {"Bob8.cvm", FileRead::Refusal::TooLarge},
    };
    QStringList paths;
    for (const Kind &kind : kinds)
        paths.append(folder + QString::fromUtf8(kind.name));
    ReadAhead reader(paths);
    for (const Kind &kind : kinds) {
        const FileRead read = nextRead(reader);
        EXPECT_EQ(read.refusal, kind.refusal) << kind.name << ": " << read.error.toStdString();
        EXPECT_EQ(read.opened, kind.refusal == FileRead::Refusal::None) << kind.name;
        EXPECT_EQ(read.bytes.size(), read.opened ? 10 : 0) << kind.name;
    }
    ::close(socket);
}

// A read that hangs, as one on a dead share does, until the test lets it go.
struct Hang
{
    std::mutex mutex;
    std::condition_variable released;
    bool over = false;

    void release()
    {
        const std::lock_guard lock(mutex);
        over = true;
        released.notify_all();
    }
};

TEST(ReadAhead, NeverWaitsWakesWhenTheFileIsReadAndSkipsAReadPastTheTimeLimit)
{
    using namespace std::chrono_literals;
    TempFolder folder;
    for (const char *name : {"Bob1.cvm", "Bob2.cvm", "Bob3.cvm"})
        folder.write(QString::fromUtf8(name), "<x/>");
    const QStringList paths{folder.file(QStringLiteral("Bob1.cvm")), folder.file(QStringLiteral("Bob2.cvm")),
                            folder.file(QStringLiteral("Bob3.cvm"))};
    auto slow = std::make_shared<Hang>(); // Bob1: read once the test lets it go
    auto dead = std::make_shared<Hang>(); // Bob2: a dead share
    auto wakes = std::make_shared<std::atomic<int>>(0);
    ReadAhead::Options options;
    options.timeLimit = 300ms;
    options.readFile = [slow, dead, paths](const QString &path) {
        for (const auto &[hanging, hang] : {std::pair{paths[0], slow}, std::pair{paths[1], dead}}) {
            if (path == hanging) {
                std::unique_lock lock(hang->mutex);
                hang->released.wait(lock, [&] { return hang->over; });
            }
        }
        return corvane::receiving::readMessageBytes(path);
    };
    options.wake = [wakes] { ++*wakes; };

    QElapsedTimer timer;
    {
        ReadAhead reader(paths, options);
        EXPECT_FALSE(reader.tryNext().has_value()); // at once, though the read hangs
        slow->release();
        timer.start();
        while (*wakes == 0 && timer.elapsed() < 5000)
            std::this_thread::sleep_for(1ms);
        EXPECT_EQ(*wakes, 1);
        const std::optional<FileRead> first = reader.tryNext();
        ASSERT_TRUE(first.has_value());
        EXPECT_EQ(first->bytes, QByteArray("<x/>"));

        timer.start();
        const FileRead late = nextRead(reader);
        EXPECT_GE(timer.elapsed(), 250); // its read began a moment before the timer
        EXPECT_EQ(late.path, paths[1]);
        EXPECT_EQ(late.refusal, FileRead::Refusal::TimedOut);
        EXPECT_FALSE(late.opened);
        const FileRead next = nextRead(reader);
        EXPECT_EQ(next.path, paths[2]);
        EXPECT_EQ(next.bytes, QByteArray("<x/>"));
    }

    // Abandoning a reader whose read still hangs returns at once.
    timer.start();
    { ReadAhead abandoned({paths[1]}, options); }
    EXPECT_LT(timer.elapsed(), 1000);
    dead->release();
}

} // namespace
