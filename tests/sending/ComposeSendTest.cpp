// The compose side's logic: the draft's attachment rule and the checks before a send.
#include "sending/ComposeDraft.h"
#include "sending/ComposeSend.h"

#include "receiving/MailWorld.h"

#include "support/EventWait.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace corvane;
using namespace corvane::sending;
using core::Notice;

namespace {

TEST(ComposeDraft, AFileNamedLikeOneAttachedFromElsewhereIsRefusedNamingBothTheSamePathTwiceIsNot)
{
    test::TempFolder temp;
    const QString first = temp.subfolder(QStringLiteral("a")) + QStringLiteral("report.doc");
    const QString other = temp.subfolder(QStringLiteral("b")) + QStringLiteral("REPORT.doc");
    test::writeFile(first, "1");
    test::writeFile(other, "2");
    OutgoingMessage outgoing;
    ComposeDraft draft(outgoing);

    EXPECT_FALSE(draft.addAttachment(first));
    EXPECT_FALSE(draft.addAttachment(first));
    const std::optional<Notice> refused = draft.addAttachment(other);
    ASSERT_TRUE(refused);
    EXPECT_TRUE(refused->text.contains(QDir::toNativeSeparators(first)));
    EXPECT_TRUE(refused->text.contains(QDir::toNativeSeparators(other)));
    EXPECT_EQ(draft.attachmentPaths(), (QStringList{first, first}));

    const std::optional<Notice> folder = draft.addAttachment(temp.path() + QStringLiteral("b"));
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->text, kOnlyFilesNotFolders + temp.path() + QStringLiteral("b"));
}

struct ComposeSendTest : ::testing::Test
{
    test::MailWorld world;
    ComposeSend send{world.ann->send, world.ann->sent};

    Draft draftTo(const QStringList &attachments)
    {
        return {{QStringLiteral("Bob")}, QStringLiteral("Plans"), attachments, QStringLiteral("{\\rtf1 Hi}")};
    }
};

TEST_F(ComposeSendTest, AnAttachmentThatCannotBeReadIsNamedAndNothingIsSent)
{
    const QString readable = world.temp.file(QStringLiteral("notes.txt"));
    test::writeFile(readable, "notes");
    const QString gone = world.temp.file(QStringLiteral("gone.txt"));
    const QString locked = world.temp.file(QStringLiteral("locked.txt"));
    test::writeFile(locked, "secret");
    QFile::setPermissions(locked, QFileDevice::WriteOwner);
    for (const QString &bad : {gone, locked}) {
        if (bad == locked && QFile(locked).open(QIODevice::ReadOnly))
            continue; // running as root: every file reads
        const SendResult result = send.send(draftTo({readable, bad}), world.ann->settings);
        ASSERT_EQ(result.notices.size(), 1);
        EXPECT_TRUE(result.notices[0].text.contains(QDir::toNativeSeparators(bad))) << result.notices[0].text.toStdString();
        EXPECT_FALSE(result.delivered);
    }
    EXPECT_TRUE(test::MailWorld::files(world.bobInbox).isEmpty());
    EXPECT_EQ(world.ann->sent.count(), 0);

    const SendResult sent = send.send(draftTo({readable}), world.ann->settings);
    EXPECT_TRUE(sent.delivered);
    corvane::test::waitForCopies(world.ann->copies);
    EXPECT_TRUE(test::MailWorld::files(world.bobInbox).contains(QStringLiteral("notes.txt")));
}

TEST_F(ComposeSendTest, ASentItemsStoreThatFailedToLoadRefusesTheSendBeforeAnythingIsDelivered)
{
    const QString path = world.ann->sentDocument.fileName();
    test::writeFile(path, "<Sentbox><broken");
    EXPECT_ANY_THROW(world.ann->sent.open(path));

    const SendResult result = send.send(draftTo({}), world.ann->settings);
    ASSERT_EQ(result.notices.size(), 1);
    EXPECT_EQ(result.notices[0].kind, Notice::Kind::Error);
    EXPECT_FALSE(result.delivered);
    EXPECT_TRUE(test::MailWorld::files(world.bobInbox).isEmpty());
    EXPECT_EQ(test::readFile(path), QByteArray("<Sentbox><broken"));
}

} // namespace
