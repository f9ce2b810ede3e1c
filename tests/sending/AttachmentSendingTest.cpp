#include "sending/AttachmentSending.h"

#include "core/AttachIni.h"
#include "platform/BackgroundCopies.h"
#include "platform/IniFile.h"
#include "support/EventWait.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace corvane;
using namespace corvane::sending;
using core::kFalse;
using core::kTrue;

namespace {

struct AttachmentSendingTest : ::testing::Test
{
    test::TempFolder temp;
    platform::BackgroundCopies copies;
    AttachmentSending sending{copies};
    QString sources = temp.subfolder(QStringLiteral("sources"));
    QString inbox = temp.subfolder(QStringLiteral("inbox"));
    QString server = temp.subfolder(QStringLiteral("server"));

    QString source(const char *name, const QByteArray &content)
    {
        test::writeFile(sources + QString::fromUtf8(name), content);
        return sources + QString::fromUtf8(name);
    }
    void send(const addressbook::RecipientList &targets, const QStringList &paths,
              const QStringList &names = {QStringLiteral("Ann")})
    {
        sending.SendAtachmentsProc(targets, paths, names);
        corvane::test::waitForCopies(copies);
    }
    int count(const QString &folder, const char *key)
    {
        return platform::IniFile(folder + core::kAttachIniFileName).readInteger(core::kAttachmentsSection, QString::fromUtf8(key), 0);
    }
};

} // namespace

TEST_F(AttachmentSendingTest, APersonalInboxGetsTheFilesWithMinusOne)
{
    send({{QStringLiteral("Bob"), inbox, kFalse}}, {source("a.doc", "aaa"), source("b.txt", "bbbb")});
    EXPECT_EQ(test::readFile(inbox + QStringLiteral("a.doc")), QByteArray("aaa"));
    EXPECT_EQ(test::readFile(inbox + QStringLiteral("b.txt")), QByteArray("bbbb"));
    EXPECT_EQ(count(inbox, "a.doc"), -1);
    EXPECT_EQ(count(inbox, "b.txt"), -1);
}

// A server folder receives one message file per recipient name, and each is fetched once.
TEST_F(AttachmentSendingTest, ServerCountsRiseByTheMessageFilesOfEachSendAndMinusOneStays)
{
    const QString a = source("a.doc", "a");
    const QString b = source("b.doc", "b");
    platform::IniFile(server + core::kAttachIniFileName).writeInteger(core::kAttachmentsSection, QStringLiteral("b.doc"), -1);
    send({{QStringLiteral("Relay"), server, kTrue}, {QStringLiteral("Bob"), inbox, kFalse}}, {a, b},
         {QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Ann")});
    send({{QStringLiteral("Relay"), server, kTrue}}, {a, b}, {QStringLiteral("Carl")});
    EXPECT_EQ(count(server, "a.doc"), 4);
    EXPECT_EQ(count(server, "b.doc"), -1);
    EXPECT_EQ(count(inbox, "a.doc"), -1);
}

TEST_F(AttachmentSendingTest, AFileOfTheSameNameIsReplacedWhole)
{
    test::writeFile(inbox + QStringLiteral("a.doc"), "an older and longer file");
    send({{QStringLiteral("Bob"), inbox, kFalse}}, {source("a.doc", "new")});
    EXPECT_EQ(test::readFile(inbox + QStringLiteral("a.doc")), QByteArray("new"));
}

TEST_F(AttachmentSendingTest, AnUnreadableFileEndsThatTargetsListAndLeavesOlderFilesAlone)
{
    test::writeFile(inbox + QStringLiteral("missing.doc"), "good older file");
    send({{QStringLiteral("Bob"), inbox, kFalse}, {QStringLiteral("Relay"), server, kTrue}},
         {source("first.doc", "1"), sources + QStringLiteral("missing.doc"), source("third.doc", "3")});
    for (const QString &folder : {inbox, server}) {
        EXPECT_TRUE(QFile::exists(folder + QStringLiteral("first.doc")));
        EXPECT_FALSE(QFile::exists(folder + QStringLiteral("third.doc")));
        EXPECT_NE(count(folder, "first.doc"), 0);
        EXPECT_EQ(count(folder, "missing.doc"), 0);
        EXPECT_EQ(count(folder, "third.doc"), 0);
    }
    EXPECT_EQ(test::readFile(inbox + QStringLiteral("missing.doc")), QByteArray("good older file"));
    EXPECT_EQ(QDir(inbox).entryList(QDir::Files), (QStringList{QStringLiteral("Attach.ini"), QStringLiteral("first.doc"),
                                                               QStringLiteral("missing.doc")}));
}

TEST_F(AttachmentSendingTest, NothingAttachedTouchesNoAttachIni)
{
    send({{QStringLiteral("Bob"), inbox, kFalse}, {QStringLiteral("Relay"), server, kTrue}}, {});
    EXPECT_TRUE(QDir(inbox).isEmpty());
    EXPECT_TRUE(QDir(server).isEmpty());
}

TEST_F(AttachmentSendingTest, TwoTargetsSharingAFolderRecordOneAfterTheOther)
{
    const QString a = source("a.doc", QByteArray(300000, 'x'));
    send({{QStringLiteral("Relay"), server, kTrue}, {QStringLiteral("Relay2"), server, kTrue}}, {a});
    EXPECT_EQ(count(server, "a.doc"), 2);
    EXPECT_EQ(test::readFile(server + QStringLiteral("a.doc")).size(), 300000);
}
