#include "sending/Delivery.h"

#include "platform/BackgroundCopies.h"
#include "platform/Errors.h"
#include "platform/FileIo.h"
#include "platform/FolderLock.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QSet>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <thread>
#include <vector>

using namespace corvane;
using namespace corvane::sending;
using corvane::test::TempFolder;

namespace {

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

TEST(DeliveryTest, TakesTheLowestFreeNumber)
{
    struct Case { QStringList existing; QString expected; };
    const Case cases[] = {{{}, QStringLiteral("Ann1.cvm")},
                          {{QStringLiteral("Ann1.cvm"), QStringLiteral("Ann2.cvm")}, QStringLiteral("Ann3.cvm")},
                          {{QStringLiteral("Ann2.cvm")}, QStringLiteral("Ann1.cvm")},
                          {{QStringLiteral("Bob1.cvm")}, QStringLiteral("Ann1.cvm")}};
    for (const Case &c : cases) {
        TempFolder temp;
        for (const QString &name : c.existing)
            temp.write(name, "old");
        for (const Claiming claiming : {Claiming::NoReplaceRename, Claiming::TestThenRename}) {
            const QString written = publishNumbered(temp.path(), QStringLiteral("Ann"), "new", claiming);
            EXPECT_EQ(written, temp.file(c.expected));
            EXPECT_EQ(temp.read(c.expected), QByteArray("new"));
            QFile::remove(written);
        }
        for (const QString &name : c.existing)
            EXPECT_EQ(temp.read(name), QByteArray("old")); // never replaced
        EXPECT_EQ(filesIn(temp.path()), c.existing);       // no temporary file or lock left
    }
}

// A file that cannot take its name (a full disk, a crash before the rename) leaves nothing
// behind, whoever publishes it: no temporary file, no file under a new name, an older one unchanged.
TEST(DeliveryTest, EveryPublisherLeavesTheFolderAsItWasWhenNamingFails)
{
    TempFolder sources;
    sources.write(QStringLiteral("kept"), "new");
    const struct
    {
        const char *what;
        std::function<void(const TempFolder &)> publish;
    } publishers[] = {
        {"a store", [](const TempFolder &f) { platform::writeFileAtomically(f.file(QStringLiteral("kept")), "new", platform::Access::Private); }},
        {"an attachment copy",
         [&](const TempFolder &f) { platform::copyFileReplacing(sources.file(QStringLiteral("kept")), f.file(QStringLiteral("kept")), platform::Access::Shared); }},
        {"a message", [](const TempFolder &f) { publishNumbered(f.path(), QStringLiteral("Ann"), "new"); }},
    };
    for (const auto &p : publishers) {
        SCOPED_TRACE(p.what);
        TempFolder temp;
        temp.write(QStringLiteral("kept"), "old");
        platform::setWriteFaultHookForTesting([](const QString &) { return true; });
        EXPECT_THROW(p.publish(temp), IoError);
        platform::setWriteFaultHookForTesting({});
        EXPECT_EQ(filesIn(temp.path()), QStringList{QStringLiteral("kept")});
        EXPECT_EQ(temp.read(QStringLiteral("kept")), QByteArray("old"));
    }
}

// Writers racing for one folder never lose a message, also when writers that can rename without
// replacing meet writers that can only test the name and rename: every file keeps its content.
TEST(DeliveryTest, RacingWritersOfBothKindsGiveEveryMessageItsOwnNumber)
{
    TempFolder temp;
    constexpr int kWriters = 6;
    constexpr int kEach = 30;
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w)
        writers.emplace_back([&, w] {
            const Claiming claiming = w % 2 ? Claiming::TestThenRename : Claiming::NoReplaceRename;
            for (int i = 0; i < kEach; ++i)
                publishNumbered(temp.path(), QStringLiteral("Bob"), QByteArray::number(w * 1000 + i), claiming);
        });
    for (std::thread &writer : writers)
        writer.join();
    QSet<QByteArray> contents;
    for (int n = 1; n <= kWriters * kEach; ++n)
        contents.insert(temp.read(QStringLiteral("Bob%1.cvm").arg(n)));
    EXPECT_EQ(contents.size(), kWriters * kEach);
    EXPECT_EQ(filesIn(temp.path()).size(), kWriters * kEach);
}

// A holder that may have lost its lock as stale relies on it no longer, and leaves the lock
// folder, by now the next holder's, alone.
TEST(DeliveryTest, AStaleLockIsBrokenAndItsFormerHolderKnows)
{
    TempFolder temp;
    const QString lockPath = platform::FolderLock::lockPathFor(temp.path());
    QDir().mkdir(lockPath); // left by a writer that died
    {
        auto slow = std::make_unique<platform::FolderLock>(
            temp.path(), platform::FolderLock::Options{std::chrono::milliseconds(200), std::chrono::milliseconds(5000)});
        EXPECT_TRUE(slow->stillHeld());
        EXPECT_THROW(platform::FolderLock(temp.path(), {std::chrono::milliseconds(60000), std::chrono::milliseconds(50)}),
                     corvane::IoError);
        const platform::FolderLock next(temp.path(), {std::chrono::milliseconds(300), std::chrono::milliseconds(5000)});
        EXPECT_FALSE(slow->stillHeld());
        slow.reset();
        EXPECT_TRUE(next.stillHeld());
        EXPECT_TRUE(QFileInfo(lockPath).isDir());
    }
    EXPECT_TRUE(filesIn(temp.path()).isEmpty());
}

TEST(DeliveryTest, ServerFoldersGetOneCopyPerRecipientAndAFailedTargetDoesNotStopTheOthers)
{
    TempFolder temp;
    const QString bob = temp.subfolder(QStringLiteral("bob"));
    const QString server = temp.subfolder(QStringLiteral("server"));
    const addressbook::RecipientList targets{{QStringLiteral("Gone"), temp.path() + QStringLiteral("gone/"), core::kFalse},
                                             {QStringLiteral("Bob"), bob, core::kFalse},
                                             {QStringLiteral("Relay"), server, core::kTrue}};
    const DeliveryReport report = SendExecute("doc", {QStringLiteral("Bob"), QStringLiteral("Carl"), QStringLiteral("Bob")}, targets);
    EXPECT_EQ(report.failedTargets, QStringList{QStringLiteral("Gone")});
    EXPECT_EQ(filesIn(bob), QStringList{QStringLiteral("Bob1.cvm")});
    EXPECT_EQ(filesIn(server), (QStringList{QStringLiteral("Bob1.cvm"), QStringLiteral("Bob2.cvm"), QStringLiteral("Carl1.cvm")}));
    EXPECT_EQ(report.written.size(), 4);
}

TEST(DeliveryTest, NamesThatAreNoFileNamesNeverBuildAPath)
{
    TempFolder temp;
    const QString inner = temp.subfolder(QStringLiteral("inner"));
    for (const char *name : {"..", "../x", "a\\b", "a/b", "C:", "CON", "COM", "lpt", "x?", "x*", "a\"b", "<a>", "a|b", "tab\t", "dot.", "space ", ""})
        EXPECT_THROW(publishNumbered(inner, QString::fromUtf8(name), "x"), corvane::Error) << name;
    EXPECT_TRUE(filesIn(inner).isEmpty());
    EXPECT_EQ(filesIn(temp.path()), QStringList{QStringLiteral("inner")});
}
