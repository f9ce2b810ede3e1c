#include "addressbook/AddressCollector.h"

#include "FakeProbe.h"
#include "support/TempFolder.h"

#include <QTimer>

#include <gtest/gtest.h>

using namespace corvane::addressbook;
using corvane::core::kFalse;
using corvane::core::kTrue;
using corvane::test::FakeProbe;
using corvane::test::TempFolder;

namespace {

struct AddressCollectorTest : ::testing::Test
{
    TempFolder temp;
    AddressStore store;
    FakeProbe probe;
    AddressCollector collector{store, probe};
    MailSettings settings;
    QString ann, bob, server1, server2, missing;

    void SetUp() override
    {
        store.open(AddressStore::pathIn(temp.subfolder(QStringLiteral("data"))));
        ann = temp.subfolder(QStringLiteral("ann"));
        bob = temp.subfolder(QStringLiteral("bob"));
        server1 = temp.subfolder(QStringLiteral("s1"));
        server2 = temp.subfolder(QStringLiteral("s2"));
        missing = temp.path() + QStringLiteral("gone/");
        settings.yourName = QStringLiteral("Me");
        settings.yourInbox = temp.subfolder(QStringLiteral("me"));
    }
    void add(const QString &name, const QString &inbox, bool server = false)
    {
        store.append({name, inbox, {}, server});
    }
    RecipientList collect(const QStringList &names, bool servers)
    {
        return collector.CollectAddresses(names, servers, settings);
    }
};

} // namespace

TEST_F(AddressCollectorTest, ReachableRecipientsGetOnlyTheirOwnFoldersInOrderOfAnswer)
{
    add(QStringLiteral("Ann"), ann);
    add(QStringLiteral("Bob"), bob);
    add(QStringLiteral("S1"), server1, true);
    // The fake answers in reverse order of starting: Bob's probe finishes first.
    EXPECT_EQ(collect({QStringLiteral("Ann"), QStringLiteral("Bob")}, false),
              (RecipientList{{QStringLiteral("Bob"), bob, kFalse}, {QStringLiteral("Ann"), ann, kFalse}}));
    EXPECT_TRUE(collector.allInboxesFound());
    EXPECT_EQ(collector.pendingProbes(), 0);
}

TEST_F(AddressCollectorTest, AMissingRecipientBringsInReachableServersAndOwnInboxWhenUsedAsServer)
{
    add(QStringLiteral("Ann"), ann);
    add(QStringLiteral("Carl"), missing);
    add(QStringLiteral("S1"), server1, true);
    add(QStringLiteral("S2"), missing, true);
    const RecipientList plain = collect({QStringLiteral("Ann"), QStringLiteral("Carl")}, false);
    EXPECT_EQ(plain, (RecipientList{{QStringLiteral("Ann"), ann, kFalse}, {QStringLiteral("S1"), server1, kTrue}}));
    EXPECT_FALSE(collector.allInboxesFound());

    settings.selfServer = true;
    const RecipientList withSelf = collect({QStringLiteral("Ann"), QStringLiteral("Carl")}, false);
    EXPECT_EQ(withSelf, (RecipientList{{QStringLiteral("Ann"), ann, kFalse},
                                       {QStringLiteral("Me"), settings.yourInbox, kTrue},
                                       {QStringLiteral("S1"), server1, kTrue}}));
}

TEST_F(AddressCollectorTest, NamesAppearOnceAndEmptyNamesNever)
{
    add(QStringLiteral("Ann"), ann);
    add(QStringLiteral("Ann"), bob);
    add(QString(), server1, true);
    add(QStringLiteral("Carl"), missing);
    const RecipientList list = collect({QStringLiteral("Ann"), QStringLiteral("Ann"), QStringLiteral("Carl")}, false);
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].Name, QStringLiteral("Ann"));
}

TEST_F(AddressCollectorTest, CheckingMailYieldsOwnEntriesServersAndOwnInbox)
{
    add(QStringLiteral("S1"), server1, true);
    add(QStringLiteral("Me"), server2);
    EXPECT_EQ(collect({QStringLiteral("Me")}, true),
              (RecipientList{{QStringLiteral("Me"), server2, kFalse}, {QStringLiteral("S1"), server1, kTrue}}));
    store.remove(1);
    EXPECT_EQ(collect({QStringLiteral("Me")}, true),
              (RecipientList{{QStringLiteral("Me"), settings.yourInbox, kTrue}, {QStringLiteral("S1"), server1, kTrue}}));
}

TEST_F(AddressCollectorTest, NamesMatchWithLetterCase)
{
    add(QStringLiteral("ann"), ann);
    EXPECT_TRUE(collect({QStringLiteral("Ann")}, false).isEmpty());
    EXPECT_TRUE(probe.probed.isEmpty());
}

TEST_F(AddressCollectorTest, ASecondCollectionDuringTheWaitIsRefused)
{
    add(QStringLiteral("Ann"), ann);
    probe.hold = true;
    bool refused = false;
    QTimer::singleShot(0, &collector, [&] {
        EXPECT_TRUE(collector.isCollecting());
        try {
            collect({QStringLiteral("Ann")}, false);
        } catch (const corvane::Error &) {
            refused = true;
        }
        probe.release();
    });
    EXPECT_EQ(collect({QStringLiteral("Ann")}, false).size(), 1);
    EXPECT_TRUE(refused);
    EXPECT_FALSE(collector.isCollecting());
}
