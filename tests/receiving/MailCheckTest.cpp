// The mail check's handling of bad files, failed saves and overlapping runs.
#include "MailWorld.h"

#include "platform/FileIo.h"
#include "platform/Guid.h"

#include <QTimer>

#include <gtest/gtest.h>

using namespace corvane;
using corvane::test::MailWorld;

namespace {

QByteArray messageFile(const QString &subject, const QString &guid = platform::newGuidText())
{
    return QStringLiteral("<?xml version=\"1.0\"?><Corvane><Message><Subject Text=\"%1\"/><Attachments/></Message>"
                          "<System Active=\"False\" GUID=\"%2\"/></Corvane>")
        .arg(subject, guid)
        .toUtf8();
}

struct MailCheckTest : ::testing::Test
{
    MailWorld world;
    test::MailUser &bob = *world.bob;
    void put(const QString &folder, const char *name, const QByteArray &content)
    {
        test::writeFile(folder + QString::fromUtf8(name), content);
    }
};

} // namespace

TEST_F(MailCheckTest, AFailedSaveKeepsTheFilesReportsAndReenablesTheCheck)
{
    put(world.bobInbox, "Bob1.cvm", messageFile(QStringLiteral("one")));
    QStringList status;
    QList<bool> enabled;
    QObject::connect(&bob.check, &receiving::MailCheck::statusTextChanged, &bob.check,
                     [&](const QString &text) { status.append(text); });
    QObject::connect(&bob.check, &receiving::MailCheck::checkiEnabledChanged, &bob.check,
                     [&](bool on) { enabled.append(on); });
    platform::setWriteFaultHookForTesting([](const QString &) { return true; });
    const receiving::CheckResult failed = bob.checkMail();
    platform::setWriteFaultHookForTesting({});

    ASSERT_EQ(failed.notices.size(), 1);
    EXPECT_EQ(failed.notices[0].kind, addressbook::Notice::Kind::Error);
    EXPECT_TRUE(failed.notices[0].text.startsWith(QStringLiteral("Unable to write to")));
    EXPECT_EQ(MailWorld::files(world.bobInbox), QStringList{QStringLiteral("Bob1.cvm")});
    EXPECT_EQ(status, (QStringList{receiving::kCheckingMessages, QString()}));
    EXPECT_EQ(enabled, (QList<bool>{false, true}));

    // The next check saves the message it holds and only then removes the file.
    EXPECT_EQ(bob.checkMail().duplicates, 1);
    EXPECT_TRUE(MailWorld::files(world.bobInbox).isEmpty());
    platform::XmlDocument onDisk;
    onDisk.loadFromFile(receiving::InboxStore::pathIn(bob.settings.inboxData));
    EXPECT_EQ(receiving::InboxStore(onDisk).count(), 1);
}

TEST_F(MailCheckTest, AMalformedGuidIsComparedAsText)
{
    put(world.bobInbox, "Bob1.cvm", messageFile(QStringLiteral("one"), QStringLiteral("not-a-guid")));
    put(world.server, "Bob1.cvm", messageFile(QStringLiteral("copy"), QStringLiteral("not-a-guid")));
    const receiving::CheckResult checked = bob.checkMail();
    EXPECT_TRUE(checked.notices.isEmpty());
    EXPECT_EQ(checked.stored, 1);
    EXPECT_EQ(checked.duplicates, 1);
    EXPECT_EQ(platform::xml::attributeText(bob.inbox.messageAt(0), "GUID"), QStringLiteral("not-a-guid"));
}

TEST_F(MailCheckTest, GuidsInOtherLetterCaseAreTheSameMessage)
{
    const QString guid = platform::newGuidText();
    put(world.bobInbox, "Bob1.cvm", messageFile(QStringLiteral("one"), guid));
    put(world.server, "Bob1.cvm", messageFile(QStringLiteral("one"), guid.toLower()));
    EXPECT_EQ(bob.checkMail().duplicates, 1);
}

TEST_F(MailCheckTest, AnUnreadableFileWaitsEndsItsFolderAndIsSetAsideAfterTenMinutes)
{
    qint64 now = 1000000;
    bob.check.setClock([&] { return now; });
    put(world.bobInbox, "Bob1.cvm", messageFile(QStringLiteral("one")));
    put(world.bobInbox, "Bob2.cvm", "<?xml version=\"1.0\"?><Corvane><Message><Subj"); // still being written
    put(world.bobInbox, "Bob3.cvm", messageFile(QStringLiteral("three")));
    put(world.server, "Bob1.cvm", messageFile(QStringLiteral("relayed")));

    const receiving::CheckResult first = bob.checkMail();
    EXPECT_TRUE(first.notices.isEmpty());
    EXPECT_EQ(bob.storedSubjects(), (QStringList{QStringLiteral("one"), QStringLiteral("relayed")}));
    EXPECT_EQ(MailWorld::files(world.bobInbox), (QStringList{QStringLiteral("Bob2.cvm"), QStringLiteral("Bob3.cvm")}));

    now += 9 * 60 * 1000;
    EXPECT_TRUE(bob.checkMail().notices.isEmpty());

    now += 2 * 60 * 1000;
    const receiving::CheckResult late = bob.checkMail();
    ASSERT_EQ(late.notices.size(), 1);
    EXPECT_EQ(late.notices[0].kind, addressbook::Notice::Kind::Warning);
    EXPECT_TRUE(late.notices[0].text.contains(QStringLiteral("Bob2.cvm.unreadable")));
    EXPECT_EQ(MailWorld::files(world.bobInbox), QStringList{QStringLiteral("Bob2.cvm.unreadable")});
    EXPECT_EQ(bob.storedSubjects().last(), QStringLiteral("three"));
    EXPECT_TRUE(bob.checkMail().notices.isEmpty()); // told once
}

TEST_F(MailCheckTest, AFileThatChangesKeepsWaiting)
{
    qint64 now = 1000000;
    bob.check.setClock([&] { return now; });
    put(world.bobInbox, "Bob1.cvm", "<Corvane>");
    bob.checkMail();
    now += 11 * 60 * 1000;
    put(world.bobInbox, "Bob1.cvm", "<Corvane><Mess");
    EXPECT_TRUE(bob.checkMail().notices.isEmpty());
    EXPECT_EQ(MailWorld::files(world.bobInbox), QStringList{QStringLiteral("Bob1.cvm")});
}

TEST_F(MailCheckTest, AUserNameThatIsNoFileNameIsRefused)
{
    const QString outside = world.temp.path() + QStringLiteral("share/1.cvm");
    test::writeFile(outside, messageFile(QStringLiteral("x")));
    for (const QString &name : {QStringLiteral(".."), QStringLiteral("../"), QStringLiteral("a/b"), QStringLiteral("CON"),
                                QStringLiteral("x:"), QString()}) {
        bob.settings.yourName = name;
        const receiving::CheckResult checked = bob.checkMail();
        ASSERT_EQ(checked.notices.size(), 1) << name.toStdString();
        EXPECT_EQ(checked.notices[0].kind, addressbook::Notice::Kind::Error);
    }
    EXPECT_TRUE(QFile::exists(outside));
}

TEST_F(MailCheckTest, ACheckIsNotNestedWhileACheckOrACollectionRuns)
{
    put(world.bobInbox, "Bob1.cvm", messageFile(QStringLiteral("one")));
    put(world.bobInbox, "Bob2.cvm", messageFile(QStringLiteral("two")));
    QList<bool> nestedSkipped;
    QObject::connect(&bob.check, &receiving::MailCheck::messageFileHandled, &bob.check,
                     [&] { nestedSkipped.append(bob.checkMail().skipped); });
    EXPECT_EQ(bob.checkMail().stored, 2);
    EXPECT_EQ(nestedSkipped, (QList<bool>{true, true}));

    // A timer tick during a send's address collection is skipped too.
    bool skippedDuringSend = false;
    QTimer::singleShot(0, &bob.check, [&] { skippedDuringSend = bob.checkMail().skipped; });
    bob.sendMail({QStringLiteral("Ann")}, QStringLiteral("x"));
    EXPECT_TRUE(skippedDuringSend);
}
