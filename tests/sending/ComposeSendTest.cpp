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
    EXPECT_EQ(folder->text, onlyFilesNotFoldersText(temp.path() + QStringLiteral("b")));
}

struct ComposeSendTest : ::testing::Test
{
    test::MailWorld world;
    ComposeSend send{world.ann->send, world.ann->sent};

    static Draft draftTo(const QStringList &attachments)
    {
        return {{QStringLiteral("Bob")}, QStringLiteral("Plans"), attachments, QStringLiteral("{\\rtf1 Hi}")};
    }
    SendResult run(const Draft &draft)
    {
        EXPECT_TRUE(send.send(draft, world.ann->settings));
        return test::nextEmission(send, &ComposeSend::finished).value_or(SendResult{});
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
        const SendResult result = run(draftTo({readable, bad}));
        ASSERT_EQ(result.notices.size(), 1);
        EXPECT_EQ(result.notices[0].code, Notice::Code::AttachmentUnreadable);
        EXPECT_TRUE(result.notices[0].text.contains(QDir::toNativeSeparators(bad))) << result.notices[0].text.toStdString();
        EXPECT_FALSE(result.delivered);
    }
    EXPECT_TRUE(test::MailWorld::files(world.bobInbox).isEmpty());
    EXPECT_EQ(world.ann->sent.count(), 0);

    const SendResult sent = run(draftTo({readable}));
    EXPECT_TRUE(sent.delivered);
    corvane::test::waitForCopies(world.ann->copies);
    EXPECT_TRUE(test::MailWorld::files(world.bobInbox).contains(QStringLiteral("notes.txt")));
}

TEST_F(ComposeSendTest, ASentItemsStoreThatFailedToLoadRefusesTheSendBeforeAnythingIsDelivered)
{
    const QString path = world.ann->sent.fileName();
    test::writeFile(path, "<Sentbox><broken");
    EXPECT_ANY_THROW(world.ann->sent.open(path));

    const SendResult result = run(draftTo({}));
    ASSERT_EQ(result.notices.size(), 1);
    EXPECT_EQ(result.notices[0].code, Notice::Code::SendFailed);
    EXPECT_FALSE(result.delivered);
    EXPECT_TRUE(test::MailWorld::files(world.bobInbox).isEmpty());
    EXPECT_EQ(test::readFile(path), QByteArray("<Sentbox><broken"));
}

// From Send until finished, through the read check and the delivery, the send refuses what
// conflicts with it; Send pressed while a mail check collects addresses waits for the check.
TEST_F(ComposeSendTest, RunsFromSendUntilFinishedAndASendDuringACheckWaitsForIt)
{
    QList<bool> running;
    QObject::connect(&send, &ComposeSend::runningChanged, &send, [&](bool on) { running.append(on); });
    const Draft draft = draftTo({});
    ASSERT_TRUE(send.send(draft, world.ann->settings));
    EXPECT_EQ(send.refusalWhileRunning()->code, Notice::Code::SendRunning);
    EXPECT_FALSE(send.send(draft, world.ann->settings));
    ASSERT_TRUE(test::nextEmission(send, &ComposeSend::finished));
    EXPECT_FALSE(send.refusalWhileRunning());
    EXPECT_EQ(running, (QList<bool>{true, false}));

    QString status = QStringLiteral("unchanged");
    QObject::connect(&send, &ComposeSend::statusTextChanged, &send, [&](const QString &text) { status = text; });
    addressbook::AddressCollector &collector = world.ann->collector;
    QMetaObject::invokeMethod(
        &collector, [&] { collector.start({QStringLiteral("Bob")}, true, world.ann->settings); },
        Qt::QueuedConnection);
    const SendResult waited = run(draft);
    EXPECT_TRUE(waited.skipped);
    ASSERT_EQ(waited.notices.size(), 1);
    EXPECT_EQ(waited.notices[0].code, Notice::Code::SendWaitsForCheck);
    EXPECT_TRUE(status.isEmpty()) << status.toStdString();
    EXPECT_EQ(test::MailWorld::files(world.bobInbox), QStringList{QStringLiteral("Bob1.cvm")});
}

} // namespace
