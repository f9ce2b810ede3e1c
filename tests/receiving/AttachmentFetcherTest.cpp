#include "receiving/AttachmentFetcher.h"
#include "sending/Delivery.h"

#include "core/AttachIni.h"
#include "platform/BackgroundCopies.h"
#include "platform/IniFile.h"
#include "support/EventWait.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace corvane;
using namespace corvane::receiving;

namespace {

struct AttachmentFetcherTest : ::testing::Test
{
    test::TempFolder temp;
    platform::BackgroundCopies copies;
    AttachmentFetcher fetcher{copies};
    QString own = temp.subfolder(QStringLiteral("own"));
    QString server = temp.subfolder(QStringLiteral("server"));
    QStringList attachmentNames;
    receiving::InboxFolderClaims claims;

    void attach(const QStringList &names) { attachmentNames = names; }
    void setCount(const QString &folder, const char *key, int value)
    {
        platform::IniFile(folder + core::kAttachIniFileName).writeInteger(core::kAttachmentsSection, QString::fromUtf8(key), value);
    }
    std::optional<int> countOf(const QString &folder, const char *key)
    {
        platform::IniFile ini(folder + core::kAttachIniFileName);
        if (!ini.valueExists(core::kAttachmentsSection, QString::fromUtf8(key)))
            return std::nullopt;
        return ini.readInteger(core::kAttachmentsSection, QString::fromUtf8(key), 0);
    }
    void fetch(const QString &folder, bool copy, const QString &messageFolder = {})
    {
        fetcher.GetAttach(attachmentNames, folder, copy, own, messageFolder, claims);
        corvane::test::waitForCopies(copies);
    }
};

} // namespace

TEST_F(AttachmentFetcherTest, FollowsTheCountingTable)
{
    struct Row
    {
        const char *what;
        bool inOwnFolder;
        bool copy;
        std::optional<int> before;
        bool expectCopied;
        bool expectSourceKept;
        std::optional<int> after;
    };
    const Row rows[] = {
        {"own folder, -1", true, true, -1, false, true, std::nullopt},
        {"own folder, missing key", true, true, std::nullopt, false, true, std::nullopt},
        {"own folder, 2", true, true, 2, false, true, 2},
        {"server, -1", false, true, -1, true, true, std::nullopt},
        {"server, missing key", false, true, std::nullopt, true, true, std::nullopt},
        {"server, 1", false, true, 1, true, false, std::nullopt},
        {"server, 3: the file stays for the sends still to be fetched", false, true, 3, true, true, 2},
        {"duplicate, -1", false, false, -1, false, true, std::nullopt},
        {"duplicate, 2: its message file was one of those counted", false, false, 2, false, true, 1},
        {"duplicate, 1: the last counted file takes the source with it", false, false, 1, false, false, std::nullopt},
        {"duplicate in the own folder, 2", true, false, 2, false, true, 2},
    };
    for (const Row &row : rows) {
        test::TempFolder fresh;
        own = fresh.subfolder(QStringLiteral("own"));
        const QString folder = row.inOwnFolder ? own : fresh.subfolder(QStringLiteral("server"));
        test::writeFile(folder + QStringLiteral("a.doc"), "attachment");
        if (row.before)
            setCount(folder, "a.doc", *row.before);
        attach({QStringLiteral("a.doc")});
        fetch(folder, row.copy);
        if (!row.inOwnFolder) {
            EXPECT_EQ(QFile::exists(own + QStringLiteral("a.doc")), row.expectCopied) << row.what;
        }
        EXPECT_EQ(QFile::exists(folder + QStringLiteral("a.doc")), row.expectSourceKept) << row.what;
        EXPECT_EQ(countOf(folder, "a.doc"), row.after) << row.what;
    }
}

// A stored message with a folder of its own: its files go there, out of the own inbox folder,
// and a server folder keeps its copy while Attach.ini still counts it.
TEST_F(AttachmentFetcherTest, AStoredMessagesFilesGoToItsOwnFolder)
{
    struct Row
    {
        const char *what;
        bool inOwnFolder;
        bool sourceThere;
        std::optional<int> before;
        QByteArray alreadyKept; // a file the message's folder holds already
        QByteArray expectKept;
        bool expectSourceKept;
        std::optional<int> after;
    };
    const Row rows[] = {
        {"own folder, -1: moved off the share", true, true, -1, {}, "sent", false, std::nullopt},
        {"own folder, no key: moved", true, true, std::nullopt, {}, "sent", false, std::nullopt},
        {"own folder serving others, 2: copied, the file stays", true, true, 2, {}, "sent", true, 2},
        {"own folder serving others, 1: copied, the count is theirs", true, true, 1, {}, "sent", true, 1},
        {"own folder, not arrived yet: left for the reader to find later", true, false, -1, {}, {}, false,
         std::nullopt},
        {"own folder, a file kept already is not replaced", true, true, -1, "kept", "kept", true, std::nullopt},
        {"server, 1: the last fetch takes the source", false, true, 1, {}, "sent", false, std::nullopt},
        {"server, 3", false, true, 3, {}, "sent", true, 2},
        {"server, a file kept already is not replaced", false, true, 3, "kept", "kept", true, 2},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        test::TempFolder fresh;
        own = fresh.subfolder(QStringLiteral("own"));
        const QString kept = fresh.path() + QStringLiteral("data/Attachments/{G}/");
        const QString folder = row.inOwnFolder ? own : fresh.subfolder(QStringLiteral("server"));
        if (row.sourceThere)
            test::writeFile(folder + QStringLiteral("a.doc"), "sent");
        if (!row.alreadyKept.isNull()) {
            QDir().mkpath(kept);
            test::writeFile(kept + QStringLiteral("a.doc"), row.alreadyKept);
        }
        if (row.before)
            setCount(folder, "a.doc", *row.before);
        attach({QStringLiteral("a.doc")});
        fetch(folder, true, kept);
        EXPECT_EQ(QFile::exists(kept + QStringLiteral("a.doc")) ? test::readFile(kept + QStringLiteral("a.doc"))
                                                                 : QByteArray(),
                  row.expectKept);
        EXPECT_EQ(QFile::exists(folder + QStringLiteral("a.doc")), row.expectSourceKept);
        EXPECT_EQ(countOf(folder, "a.doc"), row.after);
        EXPECT_FALSE(QFile::exists(own + QStringLiteral("a.doc")) && !row.inOwnFolder);
        EXPECT_TRUE(QDir(kept).entryList({QStringLiteral("~corvane-*")}, QDir::Files | QDir::Hidden).isEmpty());
    }
}

// A file of the own inbox folder that messages stored without a folder of their own open stays
// theirs; one written since keeping per message began is not theirs and goes to the new message.
TEST_F(AttachmentFetcherTest, AFileOlderMessagesOpenInTheInboxFolderStaysWithThem)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    struct Row
    {
        const char *what;
        QStringList claimedNames;
        std::optional<QDateTime> keptSince;
        bool expectMoved;
    } rows[] = {
        {"named by an older message", {QStringLiteral("a.doc")}, now.addSecs(3600), false},
        {"named in another letter case", {QStringLiteral("A.DOC")}, now.addSecs(3600), false},
        {"no time recorded: any file may be theirs", {QStringLiteral("a.doc")}, std::nullopt, false},
        {"written since keeping per message began", {QStringLiteral("a.doc")}, now.addSecs(-3600), true},
        {"named by no older message", {}, now.addSecs(3600), true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        test::TempFolder fresh;
        own = fresh.subfolder(QStringLiteral("own"));
        const QString kept = fresh.path() + QStringLiteral("data/Attachments/{G}/");
        test::writeFile(own + QStringLiteral("a.doc"), "sent");
        attach({QStringLiteral("a.doc")});
        claims = {row.claimedNames, row.keptSince};
        fetch(own, true, kept);
        EXPECT_EQ(QFile::exists(own + QStringLiteral("a.doc")), !row.expectMoved);
        EXPECT_EQ(QFile::exists(kept + QStringLiteral("a.doc")), row.expectMoved);
    }
}

TEST_F(AttachmentFetcherTest, EachAttachmentIsCopiedAndCountedSeparately)
{
    test::writeFile(server + QStringLiteral("a.doc"), QByteArray(10000, 'a'));
    test::writeFile(server + QStringLiteral("empty.txt"), QByteArray());
    setCount(server, "a.doc", 1);
    setCount(server, "empty.txt", 4);
    attach({QStringLiteral("a.doc"), QStringLiteral("empty.txt")});
    fetch(server, true);
    EXPECT_EQ(test::readFile(own + QStringLiteral("a.doc")), QByteArray(10000, 'a'));
    EXPECT_TRUE(QFile::exists(own + QStringLiteral("empty.txt")));
    EXPECT_EQ(test::readFile(own + QStringLiteral("empty.txt")).size(), 0);
    EXPECT_EQ(countOf(server, "a.doc"), std::nullopt);
    EXPECT_EQ(countOf(server, "empty.txt"), 3);
    EXPECT_FALSE(QFile::exists(server + QStringLiteral("a.doc")));
    EXPECT_TRUE(QDir(own).entryList({QStringLiteral("~corvane-*")}, QDir::Files).isEmpty());
}

// A file of the name in the inbox folder may be another message's: it stays, and so does the
// source, which was not fetched.
TEST_F(AttachmentFetcherTest, AFetchIntoTheInboxFolderNeverReplacesAFile)
{
    test::writeFile(server + QStringLiteral("a.doc"), "relayed");
    setCount(server, "a.doc", 1);
    test::writeFile(own + QStringLiteral("a.doc"), "older file of the same name");
    attach({QStringLiteral("a.doc")});
    fetch(server, true);
    EXPECT_EQ(test::readFile(own + QStringLiteral("a.doc")), QByteArray("older file of the same name"));
    EXPECT_EQ(test::readFile(server + QStringLiteral("a.doc")), QByteArray("relayed"));
}

TEST_F(AttachmentFetcherTest, AFailedCopyKeepsTheSourceAndTheOlderFile)
{
    setCount(server, "gone.doc", 1);
    test::writeFile(own + QStringLiteral("gone.doc"), "older");
    attach({QStringLiteral("gone.doc")});
    fetch(server, true);
    EXPECT_EQ(test::readFile(own + QStringLiteral("gone.doc")), QByteArray("older"));
    EXPECT_EQ(QDir(own).entryList(QDir::Files), QStringList{QStringLiteral("gone.doc")});
}

// Sent through one server folder to Ann and Bob: each fetches the file, and the second removes it.
TEST_F(AttachmentFetcherTest, EveryRecipientOfARelayedSendGetsTheFile)
{
    test::writeFile(temp.file(QStringLiteral("a.doc")), "attachment");
    sending::SendExecute("doc", {QStringLiteral("Ann"), QStringLiteral("Bob")},
                         {{QStringLiteral("Relay"), server, core::kTrue}}, {{}, {temp.file(QStringLiteral("a.doc"))}});
    attach({QStringLiteral("a.doc")});
    for (const QString &inbox : {temp.subfolder(QStringLiteral("ann")), temp.subfolder(QStringLiteral("bob"))}) {
        own = inbox;
        fetch(server, true);
        EXPECT_EQ(test::readFile(inbox + QStringLiteral("a.doc")), QByteArray("attachment"));
    }
    EXPECT_FALSE(QFile::exists(server + QStringLiteral("a.doc")));
    EXPECT_EQ(countOf(server, "a.doc"), std::nullopt);
}

// A name that leaves the folder, or one of the mail's own files in the user's inbox folder
// (a message file, Attach.ini, a lock or temporary name), is never written.
TEST_F(AttachmentFetcherTest, NamesThatLeaveTheFolderOrAreTheMailsOwnFilesAreNeverWritten)
{
    const QString outside = temp.path() + QStringLiteral("secret.txt");
    test::writeFile(outside, "keep");
    const QStringList ownFiles = {QStringLiteral("Ann3.cvm"), QStringLiteral("Attach.ini"),
                                   QStringLiteral("~corvane-x.tmp"), QStringLiteral("Ann1.cvm.unreadable")};
    for (const QString &name : ownFiles) {
        test::writeFile(own + name, "keep");
        test::writeFile(server + name, "replaced");
    }
    setCount(server, "Ann3.cvm", 1);
    attach(QStringList{QStringLiteral("../secret.txt"), QStringLiteral("..\\secret.txt"), QStringLiteral("/etc/passwd")}
           + ownFiles);
    fetch(server, true);
    for (const QString &name : ownFiles)
        EXPECT_EQ(test::readFile(own + name), QByteArray("keep")) << name.toStdString();
    EXPECT_EQ(QDir(own).entryList(QDir::Files).size(), ownFiles.size());
    EXPECT_EQ(test::readFile(outside), QByteArray("keep"));
}

TEST(FileCopyTest, CopiesToOneDestinationNeverMixAndTheLaterReplacesWhole)
{
    test::TempFolder temp;
    const QString destination = temp.file(QStringLiteral("same.bin"));
    std::vector<QByteArray> contents;
    for (int i = 0; i < 6; ++i) {
        contents.push_back(QByteArray(200000 + 5000 * i, char('a' + i)));
        test::writeFile(temp.file(QStringLiteral("source%1").arg(i)), contents.back());
    }
    std::vector<std::thread> threads;
    for (int i = 0; i < 6; ++i)
        threads.emplace_back([&, i] {
            for (int round = 0; round < 5; ++round)
                platform::copyFileReplacing(temp.file(QStringLiteral("source%1").arg(i)), destination, platform::Access::Private);
        });
    for (std::thread &thread : threads)
        thread.join();
    const QByteArray result = test::readFile(destination);
    EXPECT_NE(std::find(contents.begin(), contents.end(), result), contents.end());
    EXPECT_EQ(QDir(temp.path()).entryList({QStringLiteral("~corvane-*")}, QDir::Files).size(), 0);
}

TEST(BackgroundCopiesTest, ClosingWaitsForRunningCopiesWhileTheWindowKeepsWorking)
{
    platform::BackgroundCopies copies;
    QList<int> counts;
    QObject::connect(&copies, &platform::BackgroundCopies::runningChanged, &copies, [&](int n) { counts.append(n); });
    std::atomic<bool> finished{false};
    copies.start([&] {
        QThread::msleep(200);
        finished = true;
    });
    bool eventsRan = false;
    QTimer::singleShot(10, &copies, [&] { eventsRan = true; });
    corvane::test::waitForCopies(copies);
    EXPECT_TRUE(finished);
    EXPECT_TRUE(eventsRan);
    EXPECT_EQ(counts, (QList<int>{1, 0}));
}
