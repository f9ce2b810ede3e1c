#include "sending/OutgoingMessage.h"
#include "sending/SendAction.h"
#include "sending/SentStore.h"

#include "addressbook/AddressCollector.h"
#include "addressbook/FakeProbe.h"
#include "platform/BackgroundCopies.h"
#include "platform/FileIo.h"
#include "platform/XmlNodes.h"
#include "receiving/MailWorld.h"
#include "support/EventWait.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace corvane;
using namespace corvane::sending;
using core::Notice;

namespace {

struct SendActionTest : ::testing::Test
{
    test::TempFolder temp;
    addressbook::AddressStore addresses;
    SentStore sent;
    test::FakeProbe probe;
    addressbook::AddressCollector collector{addresses, probe};
    OutgoingMessage outgoing;
    SendAction action{outgoing, sent, collector};
    addressbook::MailSettings settings;
    QString bob;

    void SetUp() override
    {
        const QString data = temp.subfolder(QStringLiteral("data"));
        addresses.open(addressbook::AddressStore::pathIn(data));
        sent.open(SentStore::pathIn(data));
        bob = temp.subfolder(QStringLiteral("bob"));
        addresses.append({QStringLiteral("Bob"), bob, {}, false});
        settings.yourName = QStringLiteral("Ann");
    }
    SendResult run(const Draft &draft) { return test::sendToTheEnd(action, draft, settings); }
    QStringList texts(const SendResult &result)
    {
        QStringList list;
        for (const Notice &notice : result.notices)
            list.append(notice.text);
        return list;
    }
};

} // namespace

TEST_F(SendActionTest, NothingChosenOrNothingReachableWarnsAndWritesNothing)
{
    addresses.append({QStringLiteral("Gone"), temp.path() + QStringLiteral("gone/"), {}, false});
    for (const QStringList &names : {QStringList{}, QStringList{QStringLiteral("Gone")}, QStringList{QStringLiteral("Nobody")}}) {
        outgoing.NewGuidNeeded = true;
        const SendResult result = run({names, QStringLiteral("s"), {}, {}});
        ASSERT_EQ(result.notices.size(), 1);
        EXPECT_EQ(result.notices[0], (Notice{Notice::Code::NothingToSend, Notice::Kind::Warning, nothingSentText(), true}));
        EXPECT_FALSE(result.delivered);
        EXPECT_FALSE(outgoing.NewGuidNeeded);
    }
    EXPECT_EQ(sent.count(), 0);
    EXPECT_TRUE(QDir(bob).isEmpty());
}

// The call returns before the message is recorded; the send runs until finished.
TEST_F(SendActionTest, ASendRunsUntilFinishedThenHasDeliveredRecordedAndReported)
{
    QStringList status;
    QObject::connect(&action, &SendAction::statusTextChanged, &action, [&](const QString &text) { status.append(text); });
    const QString file = temp.file(QStringLiteral("a.txt"));
    temp.write(QStringLiteral("a.txt"), "attached");
    outgoing.NewGuidNeeded = true;
    const Draft draft{{QStringLiteral("Bob")}, QStringLiteral("s"), {file}, {}};
    ASSERT_TRUE(action.SendiExecute(draft, settings));
    EXPECT_TRUE(action.isRunning());
    EXPECT_EQ(sent.count(), 0);

    const std::optional<SendResult> result = test::nextEmission(action, &SendAction::finished);
    ASSERT_TRUE(result);
    EXPECT_FALSE(action.isRunning());
    EXPECT_EQ(texts(*result), QStringList{messagesSentText()});
    EXPECT_EQ(status, (QStringList{sendingMessageText(), QString()}));
    EXPECT_TRUE(QFile::exists(bob + QStringLiteral("Bob1.cvm")));
    EXPECT_EQ(test::readFile(bob + QStringLiteral("a.txt")), QByteArray("attached"));
    EXPECT_EQ(sent.count(), 1);
    EXPECT_FALSE(outgoing.NewGuidNeeded);
}

// Closing waits for a send's copies as for any other, and "Close Anyway" cuts them off: the message
// still arrives, the file does not, under any name.
TEST_F(SendActionTest, TheProgramsCopiesCountADeliveryAndCanCutItsCopiesOff)
{
    platform::BackgroundCopies copies;
    QList<int> counts;
    QObject::connect(&copies, &platform::BackgroundCopies::runningChanged, &copies, [&](int n) { counts.append(n); });
    action.setCopies(&copies);
    temp.write(QStringLiteral("a.txt"), "attached");
    copies.cancelAll();
    const SendResult result = run({{QStringLiteral("Bob")}, {}, {temp.file(QStringLiteral("a.txt"))}, {}});
    ASSERT_EQ(result.notices.size(), 2);
    EXPECT_EQ(result.notices[0].code, Notice::Code::CopyFailed);
    EXPECT_TRUE(test::waitForCopies(copies));
    EXPECT_EQ(counts, (QList<int>{1, 0}));
    EXPECT_EQ(QDir(bob).entryList(QDir::Files), QStringList{QStringLiteral("Bob1.cvm")});
}

TEST_F(SendActionTest, AFolderThatCannotBeWrittenIsNamedAndASendNoFolderTookIsNotSent)
{
    addresses.append({QStringLiteral("Carl"), temp.path() + QStringLiteral("carl/"), {}, false});
    probe.exists = [](const QString &) { return true; }; // reachable when probed, gone when written
    const SendResult some = run({{QStringLiteral("Carl"), QStringLiteral("Bob")}, {}, {}, {}});
    EXPECT_EQ(texts(some), (QStringList{errorSendingToText(QStringLiteral("Carl")), messagesSentText()}));
    EXPECT_TRUE(some.delivered);
    EXPECT_EQ(sent.count(), 1);

    // A send whose attached file did not arrive, though its message did, says so before it.
    outgoing.NewGuidNeeded = true;
    const SendResult withoutFile = run({{QStringLiteral("Bob")}, {}, {temp.file(QStringLiteral("gone.txt"))}, {}});
    ASSERT_EQ(withoutFile.notices.size(), 2);
    EXPECT_EQ(withoutFile.notices[0].code, Notice::Code::CopyFailed);
    EXPECT_EQ(withoutFile.notices[1].code, Notice::Code::MessagesSent);
    EXPECT_TRUE(withoutFile.delivered);
    EXPECT_EQ(sent.count(), 2);

    outgoing.NewGuidNeeded = true;
    const SendResult none = run({{QStringLiteral("Carl")}, {}, {}, {}});
    ASSERT_EQ(none.notices.size(), 2);
    EXPECT_EQ(none.notices[0].code, Notice::Code::TargetNotReached);
    EXPECT_EQ(none.notices[1].code, Notice::Code::SendFailed);
    EXPECT_FALSE(none.delivered);
    EXPECT_EQ(sent.count(), 2) << "not recorded as sent";
}

TEST_F(SendActionTest, AFailedSentItemsSaveIsReportedInsteadOfMessagesSent)
{
    platform::setWriteFaultHookForTesting([](const QString &path) { return path.endsWith(kSentStoreFileName); });
    const SendResult result = run({{QStringLiteral("Bob")}, {}, {}, {}});
    platform::setWriteFaultHookForTesting({});
    ASSERT_EQ(result.notices.size(), 1);
    EXPECT_EQ(result.notices[0].kind, Notice::Kind::Error);
    EXPECT_TRUE(result.delivered);
    EXPECT_EQ(sent.count(), 1); // kept in memory
}

TEST_F(SendActionTest, AReadOnlySentItemsStoreRefusesTheSendBeforeAnythingIsDelivered)
{
    sent.setReadOnly(QStringLiteral("held by another copy"));
    const SendResult result = run({{QStringLiteral("Bob")}, QStringLiteral("s"), {}, {}});
    EXPECT_EQ(texts(result), QStringList{QStringLiteral("held by another copy")});
    EXPECT_FALSE(result.delivered);
    EXPECT_TRUE(QDir(bob).isEmpty());
}

TEST_F(SendActionTest, NamesThatCannotBeFileNamesAreRefusedBeforeAnythingHappens)
{
    addresses.append({QStringLiteral("../evil"), temp.path(), {}, false});
    const SendResult byName = run({{QStringLiteral("Bob"), QStringLiteral("../evil")}, {}, {}, {}});
    ASSERT_EQ(byName.notices.size(), 1);
    EXPECT_TRUE(byName.notices[0].text.contains(QStringLiteral("\"../evil\"")));
    EXPECT_TRUE(probe.probed.isEmpty());

    // Beside the message files an attachment must not replace them, Attach.ini, or a lock.
    for (const char *name : {"CON", "Bob3.cvm", "carl12.CVM", "attach.INI", "~corvane-delivery.lock"}) {
        const QString path = temp.path() + QString::fromUtf8(name);
        const SendResult byFile = run({{QStringLiteral("Bob")}, {}, {path}, {}});
        ASSERT_EQ(byFile.notices.size(), 1) << name;
        EXPECT_TRUE(byFile.notices[0].text.contains(u'"' + QString::fromUtf8(name) + u'"')) << name;
    }
    EXPECT_TRUE(QDir(bob).isEmpty());
    EXPECT_EQ(sent.count(), 0);
}

TEST_F(SendActionTest, AnAddressFolderWithoutItsSeparatorIsTheFolderItself)
{
    const QString carl = temp.subfolder(QStringLiteral("carl"));
    addresses.append({QStringLiteral("Carl"), carl.chopped(1), {}, false});
    run({{QStringLiteral("Carl")}, {}, {}, {}});
    ASSERT_EQ(collector.recipients().size(), 1);
    EXPECT_EQ(collector.recipients()[0].Inbox, carl);
    EXPECT_EQ(QDir(carl).entryList(QDir::Files), QStringList{QStringLiteral("Carl1.cvm")});
}

TEST_F(SendActionTest, AnEditWhileTheSendRunsGivesTheNextSendANewIdentifier)
{
    Draft draft{{QStringLiteral("Bob")}, QStringLiteral("s"), {}, {}};
    const auto unchanged = [&draft, revision = draft.revision] { return draft.revision == revision; };
    outgoing.NewGuidNeeded = true;
    ASSERT_TRUE(action.SendiExecute(draft, settings, unchanged));
    draft.noteEdit(); // the user types while the message is delivered
    outgoing.NewGuidNeeded = true;
    ASSERT_TRUE(test::nextEmission(action, &SendAction::finished));
    const QUuid first = outgoing.MessageGuid;
    EXPECT_TRUE(outgoing.NewGuidNeeded);

    run(draft);
    EXPECT_NE(outgoing.MessageGuid, first);
    EXPECT_FALSE(outgoing.NewGuidNeeded);
}
