#include "platform/Retry.h"
#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace corvane;
using namespace corvane::platform;
using namespace std::chrono_literals;

namespace {

constexpr RetryPolicy kThreeTries{.what = "test", .attempts = 3, .delay = 1ms, .step = 1ms};

TEST(Retry, TriesUntilDoneOrTheAttemptsAreUsedUp)
{
    struct Case
    {
        int succeedsOnTry; // 0: never
        bool done;
        int tries;
    };
    for (const Case &c : {Case{1, true, 1}, Case{3, true, 3}, Case{0, false, 3}}) {
        int tries = 0;
        const bool done = retry(kThreeTries, std::function<bool()>([&] { return ++tries == c.succeedsOnTry; }));
        EXPECT_EQ(done, c.done) << c.succeedsOnTry;
        EXPECT_EQ(tries, c.tries) << c.succeedsOnTry;
    }
}

TEST(Retry, BusyDoesNotGrowTheWaitAndPatienceEndsIt)
{
    const RetryPolicy patient{
        .what = "test", .patience = 30ms, .delay = 10s, .step = 10s, .maxDelay = 10s, .base = 1ms};
    int tries = 0;
    // Only busy: waits the base time each try (a failure would wait ten seconds) until patience ends.
    EXPECT_FALSE(retry(patient, [&] {
        ++tries;
        return Try::Busy;
    }));
    EXPECT_GT(tries, 2);
}

TEST(Retry, PassingErrorsAreRetriedAndTheLastIsThrown)
{
    int tries = 0;
    try {
        retryOnError(
            kThreeTries, [&] { throw IoError(QStringLiteral("busy %1").arg(++tries)); },
            [](const Error &) { return true; });
        FAIL();
    } catch (const IoError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("busy 3"));
    }

    // An error that does not pass ends the tries at once.
    tries = 0;
    EXPECT_THROW(retryOnError(
                     kThreeTries, [&] { ++tries; throw XmlError(QStringLiteral("bad")); },
                     [](const Error &error) { return dynamic_cast<const IoError *>(&error) != nullptr; }),
                 XmlError);
    EXPECT_EQ(tries, 1);
}

// A removal counts as done only when the file is known to be gone: a folder that cannot answer
// for the file (here a link that loops; on a share, EIO) leaves it standing.
TEST(Retry, ARemovalIsDoneOnlyWhenTheFileIsKnownToBeGone)
{
    test::TempFolder temp;
    EXPECT_TRUE(removeFileRetrying(temp.file(QStringLiteral("never-there")), kThreeTries));
    ASSERT_TRUE(QFile::link(QStringLiteral("loop"), temp.file(QStringLiteral("loop"))));
    EXPECT_FALSE(removeFileRetrying(temp.file(QStringLiteral("loop/file")), kThreeTries));
}

} // namespace
