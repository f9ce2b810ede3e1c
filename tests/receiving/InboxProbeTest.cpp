#include "receiving/InboxProbe.h"

#include "support/EventLoopWaiter.h"
#include "platform/UiThread.h"
#include "support/TempFolder.h"

#include <QObject>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>

using corvane::receiving::InboxProbes;

namespace {

struct Answers
{
    QObject context;
    corvane::test::EventLoopWaiter waiter;
    QList<std::pair<QString, bool>> got;
    bool onUiThread = true;

    std::function<void(bool)> record(const QString &folder)
    {
        return [this, folder](bool exists) {
            onUiThread = onUiThread && corvane::platform::isUiThread();
            got.append({folder, exists});
            waiter.wake();
        };
    }
    bool waitFor(int count, int timeoutMs = 5000)
    {
        return waiter.waitUntil([&] { return got.size() >= count; }, timeoutMs);
    }
};

} // namespace

TEST(InboxProbeTest, AnswersOnTheUiThreadWhetherTheFolderExists)
{
    corvane::test::TempFolder temp;
    const QString present = temp.subfolder(QStringLiteral("in"));
    const QString file = temp.file(QStringLiteral("plain"));
    temp.write(QStringLiteral("plain"), "x");
    InboxProbes probes;
    Answers answers;
    for (const QString &folder : QStringList{present, temp.path() + QStringLiteral("missing/"), file})
        probes.probe(folder, QStringLiteral("Ann"), &answers.context, answers.record(folder));
    ASSERT_TRUE(answers.waitFor(3));
    EXPECT_TRUE(answers.onUiThread);
    QMap<QString, bool> byFolder;
    for (const auto &[folder, exists] : answers.got)
        byFolder[folder] = exists;
    EXPECT_TRUE(byFolder[present]);
    EXPECT_FALSE(byFolder[temp.path() + QStringLiteral("missing/")]);
    EXPECT_FALSE(byFolder[file]); // a file is no inbox folder
}

TEST(InboxProbeTest, ProbesRunInParallel)
{
    // Each test waits until all three have started: one after the other they could not finish.
    std::mutex mutex;
    std::condition_variable started;
    int running = 0;
    InboxProbes probes;
    probes.setFolderTest([&](const QString &) {
        std::unique_lock lock(mutex);
        ++running;
        started.notify_all();
        return started.wait_for(lock, std::chrono::seconds(5), [&] { return running >= 3; });
    });
    Answers answers;
    for (int i = 0; i < 3; ++i)
        probes.probe(QString::number(i), QString(), &answers.context, answers.record(QString::number(i)));
    ASSERT_TRUE(answers.waitFor(3, 10000));
    for (const auto &answer : answers.got)
        EXPECT_TRUE(answer.second);
}

TEST(InboxProbeTest, AProbeThatDoesNotAnswerInTimeCountsAsMissing)
{
    std::atomic<bool> release{false};
    InboxProbes probes(100);
    probes.setFolderTest([&](const QString &folder) {
        while (folder == QStringLiteral("slow") && !release)
            QThread::msleep(5);
        return true;
    });
    Answers answers;
    probes.probe(QStringLiteral("slow"), QString(), &answers.context, answers.record(QStringLiteral("slow")));
    probes.probe(QStringLiteral("quick"), QString(), &answers.context, answers.record(QStringLiteral("quick")));
    ASSERT_TRUE(answers.waitFor(2));
    EXPECT_EQ(answers.got, (QList<std::pair<QString, bool>>{{QStringLiteral("quick"), true},
                                                            {QStringLiteral("slow"), false}}));
    // The late answer of the slow test is dropped: every probe answers once.
    release = true;
    answers.waitFor(3, 300);
    EXPECT_EQ(answers.got.size(), 2);
}
