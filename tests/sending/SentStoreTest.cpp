#include "sending/OutgoingMessage.h"
#include "sending/SentStore.h"

#include "platform/XmlNodes.h"
#include "support/OpenedStore.h"
#include "support/RevisionSteps.h"

#include "platform/XmlDocument.h"

#include <gtest/gtest.h>

using namespace corvane;
using namespace corvane::sending;

namespace {

struct SentStoreTest : ::testing::Test, test::OpenedStore<SentStore>
{
    OutgoingMessage outgoing;
    addressbook::MailSettings settings;

    void send(const QString &subject, const QStringList &paths, bool edited = true)
    {
        outgoing.NewGuidNeeded = edited;
        outgoing.CreateMessageFileExecute(false, {{QStringLiteral("Bob"), QStringLiteral("Carl")}, subject, paths, {}}, settings);
        store.SentboxFill(outgoing.XMLOut, paths);
    }
};

} // namespace

TEST_F(SentStoreTest, FirstOpenWritesTheEmptyTemplate)
{
    platform::XmlDocument copy;
    copy.loadFromFile(storeFile);
    EXPECT_EQ(copy.toBytes(), QByteArray("<?xml version=\"1.0\"?><Sentbox><Properties/><Messages/></Sentbox>"));
}

TEST_F(SentStoreTest, RecordsCopiesWithGuidAndFullPathsInSendingOrder)
{
    send(QStringLiteral("first"), {QStringLiteral("/home/ann/a.doc"), QStringLiteral("/tmp/b c.txt")});
    const QString firstGuid = outgoing.guidText();
    send(QStringLiteral("again"), {}, false);
    send(QStringLiteral("new"), {});

    const auto reread = test::storeInFile<SentStore>(storeFile);
    ASSERT_EQ(reread->count(), 3);
    EXPECT_EQ(reread->message(0).guid, firstGuid);
    EXPECT_EQ(reread->message(1).guid, firstGuid);
    EXPECT_NE(reread->message(2).guid, firstGuid);
    EXPECT_TRUE(test::readFile(storeFile).contains(
        "<Attachments><Attachment FilePath=\"/home/ann/a.doc\"/><Attachment FilePath=\"/tmp/b c.txt\"/></Attachments>"));

    const QList<SentRow> rows = reread->rows();
    EXPECT_EQ(rows[0].number, 1);
    EXPECT_EQ(rows[0].to, QStringLiteral("Bob, Carl, "));
    EXPECT_EQ(rows[0].attachments, QStringLiteral("a.doc, b c.txt, "));
    EXPECT_EQ(rows[2].subject, QStringLiteral("new"));
    EXPECT_EQ(rows[2].attachments, QString());
}

TEST_F(SentStoreTest, DeletingRenumbersAndSaves)
{
    for (const char *subject : {"1", "2", "3", "4", "5"})
        send(QString::fromUtf8(subject), {});
    store.deleteAt(2);
    QStringList subjects;
    for (const SentRow &row : store.rows())
        subjects.append(QString::number(row.number) + row.subject);
    EXPECT_EQ(subjects, (QStringList{QStringLiteral("11"), QStringLiteral("22"), QStringLiteral("34"), QStringLiteral("45")}));
}

TEST_F(SentStoreTest, EveryRecordingDeletionAndOpenRaisesTheRevision)
{
    const std::vector<test::RevisionStep> steps{
        {"record", [&] { send(QStringLiteral("one"), {}); }},
        {"delete", [&] { store.deleteAt(0); }},
        {"open", [&] { store.open(storeFile); }},
    };
    test::expectRevisionSteps(store, steps);
}
