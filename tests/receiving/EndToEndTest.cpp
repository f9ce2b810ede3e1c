// Mail between users on real temporary folders: send, deliver, check, store.
#include "MailWorld.h"

#include "support/EventWait.h"
#include "support/OpenedStore.h"

#include "platform/Guid.h"
#include "platform/IniFile.h"

#include <gtest/gtest.h>

using namespace corvane;
using corvane::test::MailWorld;

namespace {

QByteArray messageFile(const QString &subject, const QString &guid = platform::newGuidText(),
                       const QString &to = QStringLiteral("Ann"))
{
    return QStringLiteral("<?xml version=\"1.0\"?><Corvane><Message><To><Recipient Name=\"%3\"/></To>"
                          "<From Name=\"Bob\"/><Subject Text=\"%1\"/><Attachments/><Date Value=\"1/2/2026 10:00:00\"/>"
                          "<Body>{\\rtf1 x}</Body></Message><System Active=\"False\" GUID=\"%2\"><Version Number=\"3.0.0.0\"/>"
                          "</System></Corvane>")
        .arg(subject, guid, to)
        .toUtf8();
}

} // namespace

TEST(EndToEndTest, AMessageFromAnnToBobArrivesOnce)
{
    MailWorld world;
    const sending::SendResult sent = world.ann->sendMail({QStringLiteral("Bob")}, QStringLiteral("Lunch"));
    ASSERT_TRUE(sent.delivered);
    EXPECT_EQ(sent.notices.back().text, sending::messagesSentText());
    EXPECT_EQ(MailWorld::files(world.bobInbox), QStringList{QStringLiteral("Bob1.cvm")});
    EXPECT_TRUE(MailWorld::files(world.server).isEmpty());

    const receiving::CheckResult checked = world.bob->checkMail();
    EXPECT_TRUE(checked.newMail);
    EXPECT_EQ(checked.stored, 1);
    EXPECT_TRUE(checked.notices.isEmpty());
    EXPECT_TRUE(MailWorld::files(world.bobInbox).isEmpty());
    EXPECT_EQ(world.bob->storedSubjects(), QStringList{QStringLiteral("Lunch")});

    // The store on disk holds it, unread, with the sender's identifier.
    const auto stored = test::storeInFile<receiving::InboxStore>(world.bob->inbox.fileName());
    EXPECT_EQ(stored->rowAt(0).read, receiving::kUnread);
    EXPECT_EQ(stored->message(0).guid, world.ann->outgoing.guidText());

    // Sending the unchanged pane again reuses the identifier: the check keeps only the first.
    test::sendToTheEnd(world.ann->send, {{QStringLiteral("Bob")}, QStringLiteral("Lunch"), {}, {}}, world.ann->settings);
    const receiving::CheckResult again = world.bob->checkMail();
    EXPECT_FALSE(again.newMail);
    EXPECT_EQ(again.duplicates, 1);
    EXPECT_EQ(world.bob->inbox.count(), 1);
}

TEST(EndToEndTest, FilesAreTakenInNumberOrderAndAGapDoesNotStrandLaterFiles)
{
    MailWorld world;
    for (const char *name : {"Ann1.cvm", "Ann2.cvm", "Ann4.cvm"})
        test::writeFile(world.annInbox + QString::fromUtf8(name), messageFile(QString::fromUtf8(name)));
    EXPECT_EQ(world.ann->checkMail().stored, 3);
    EXPECT_EQ(world.ann->storedSubjects(),
              (QStringList{QStringLiteral("Ann1.cvm"), QStringLiteral("Ann2.cvm"), QStringLiteral("Ann4.cvm")}));
    EXPECT_TRUE(MailWorld::files(world.annInbox).isEmpty());

    // Senders fill the lowest free numbers again.
    world.bob->sendMail({QStringLiteral("Ann")}, QStringLiteral("first"));
    world.bob->sendMail({QStringLiteral("Ann")}, QStringLiteral("second"));
    EXPECT_EQ(MailWorld::files(world.annInbox), (QStringList{QStringLiteral("Ann1.cvm"), QStringLiteral("Ann2.cvm")}));
    EXPECT_EQ(world.ann->checkMail().stored, 2);
    EXPECT_EQ(world.ann->storedSubjects().mid(3), (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
}

TEST(EndToEndTest, AMissingRecipientFolderSendsThroughTheServerFolders)
{
    MailWorld world;
    world.ann->sendMail({QStringLiteral("Carl"), QStringLiteral("Bob")}, QStringLiteral("s"));
    EXPECT_EQ(MailWorld::files(world.server), (QStringList{QStringLiteral("Bob1.cvm"), QStringLiteral("Carl1.cvm")}));
    EXPECT_EQ(MailWorld::files(world.bobInbox), QStringList{QStringLiteral("Bob1.cvm")});
    EXPECT_TRUE(MailWorld::files(world.annInbox).isEmpty());
    EXPECT_FALSE(QDir(world.carlInbox).exists());

    world.ann->settings.selfServer = true;
    world.ann->sendMail({QStringLiteral("Carl"), QStringLiteral("Bob")}, QStringLiteral("s"));
    EXPECT_EQ(MailWorld::files(world.annInbox), (QStringList{QStringLiteral("Bob1.cvm"), QStringLiteral("Carl1.cvm")}));
    EXPECT_EQ(MailWorld::files(world.server),
              (QStringList{QStringLiteral("Bob1.cvm"), QStringLiteral("Bob2.cvm"), QStringLiteral("Carl1.cvm"),
                           QStringLiteral("Carl2.cvm")}));
}

TEST(EndToEndTest, CopiesInOwnAndServerFoldersAreStoredOnce)
{
    MailWorld world;
    world.ann->sendMail({QStringLiteral("Carl"), QStringLiteral("Bob")}, QStringLiteral("twice"));
    const receiving::CheckResult checked = world.bob->checkMail();
    EXPECT_EQ(checked.stored, 1);
    EXPECT_EQ(checked.duplicates, 1);
    EXPECT_EQ(world.bob->storedSubjects(), QStringList{QStringLiteral("twice")});
    EXPECT_TRUE(MailWorld::files(world.bobInbox).isEmpty());
    EXPECT_EQ(MailWorld::files(world.server), QStringList{QStringLiteral("Carl1.cvm")});

    // After a restart the store itself tells which messages are known.
    world.bob->inbox.open(receiving::InboxStore::pathIn(world.bob->settings.inboxData));
    test::writeFile(world.bobInbox + QStringLiteral("Bob1.cvm"),
                    messageFile(QStringLiteral("again"), world.ann->outgoing.guidText(), QStringLiteral("Bob")));
    EXPECT_EQ(world.bob->checkMail().duplicates, 1);
    EXPECT_EQ(world.bob->inbox.count(), 1);
}

TEST(EndToEndTest, ActiveMessagesAndFilesWithoutSystemAreNewMailButNotStored)
{
    MailWorld world;
    QByteArray active = messageFile(QStringLiteral("a"), platform::newGuidText(), QStringLiteral("Bob"));
    active.replace("Active=\"False\"", "Active=\"True\"");
    test::writeFile(world.bobInbox + QStringLiteral("Bob1.cvm"), active);
    test::writeFile(world.bobInbox + QStringLiteral("Bob2.cvm"),
                    "<?xml version=\"1.0\"?><Corvane><Message><To><Recipient Name=\"Bob\"/></To><Subject Text=\"b\"/>"
                    "</Message></Corvane>");
    const receiving::CheckResult checked = world.bob->checkMail();
    EXPECT_TRUE(checked.newMail);
    EXPECT_EQ(checked.stored, 0);
    EXPECT_EQ(world.bob->inbox.count(), 0);
    EXPECT_TRUE(MailWorld::files(world.bobInbox).isEmpty());
}

TEST(EndToEndTest, AnEmptyCheckSavesAndAnnouncesNothing)
{
    MailWorld world;
    QFile::remove(receiving::InboxStore::pathIn(world.bob->settings.inboxData));
    const receiving::CheckResult checked = world.bob->checkMail();
    EXPECT_FALSE(checked.newMail);
    EXPECT_TRUE(QFile::exists(receiving::InboxStore::pathIn(world.bob->settings.inboxData)));
}

TEST(EndToEndTest, NamesAndTextsWithMarkupCharactersRoundTrip)
{
    MailWorld world;
    const QString tricky = QStringLiteral("R&D <urgent> \"quoted\" 'single' \u00e9\u4e2d");
    world.ann->settings.yourName = QStringLiteral("Ann & <Co> \"x\"");
    world.ann->sendMail({QStringLiteral("Bob")}, tricky);
    world.bob->checkMail();
    const core::Message stored = world.bob->inbox.message(0);
    EXPECT_EQ(stored.subject, tricky);
    EXPECT_EQ(stored.from, world.ann->settings.yourName);
}

TEST(EndToEndTest, SentItemsHoldTheFullAttachmentPathsAndTheGuid)
{
    MailWorld world;
    const QString attachment = world.temp.file(QStringLiteral("report.pdf"));
    test::writeFile(attachment, "pdf");
    world.ann->sendMail({QStringLiteral("Bob")}, QStringLiteral("with file"), {attachment});
    const core::Message sent = world.ann->sent.message(0);
    EXPECT_EQ(sent.guid, world.ann->outgoing.guidText());
    EXPECT_EQ(sent.attachments, (QList<core::Attachment>{{QString(), attachment}}));

    world.bob->checkMail();
    EXPECT_EQ(world.bob->inbox.message(0).attachmentNames(), QStringList{QStringLiteral("report.pdf")});
}

TEST(EndToEndTest, AttachmentsTravelBesideTheMessageAndEndInTheMessagesOwnFolder)
{
    MailWorld world;
    const QString attachment = world.temp.file(QStringLiteral("plan.txt"));
    test::writeFile(attachment, QByteArray(10000, 'p'));
    world.ann->sendMail({QStringLiteral("Carl"), QStringLiteral("Bob")}, QStringLiteral("plan"), {attachment});
    corvane::test::waitForCopies(world.ann->copies);
    const auto count = [](const QString &folder) {
        return platform::IniFile(folder + QStringLiteral("Attach.ini")).readInteger(QStringLiteral("Attachments"), QStringLiteral("plan.txt"), 0);
    };
    EXPECT_EQ(count(world.bobInbox), -1);
    EXPECT_EQ(count(world.server), 2); // one message file for each of Carl and Bob

    // Bob's own copy is moved off the share; the relayed one is a duplicate, counted down.
    world.bob->checkMail();
    corvane::test::waitForCopies(world.bob->copies);
    const QString bobs = world.bob->attachmentFile(0, QStringLiteral("plan.txt"));
    EXPECT_TRUE(bobs.startsWith(world.bob->settings.inboxData)) << bobs.toStdString();
    EXPECT_EQ(test::readFile(bobs).size(), 10000);
    EXPECT_FALSE(QFile::exists(world.bobInbox + QStringLiteral("plan.txt")));
    EXPECT_EQ(count(world.bobInbox), 0);
    EXPECT_EQ(count(world.server), 1);

    // Carl fetches the relayed file into his own data: the last fetch takes it away.
    test::MailUser carl(world.temp, QStringLiteral("Carl"), world.temp.subfolder(QStringLiteral("carl-here")));
    carl.addresses.append({QStringLiteral("Relay"), world.server, {}, true});
    EXPECT_EQ(carl.checkMail().stored, 1);
    corvane::test::waitForCopies(carl.copies);
    EXPECT_EQ(test::readFile(carl.attachmentFile(0, QStringLiteral("plan.txt"))).size(), 10000);
    EXPECT_FALSE(QFile::exists(carl.settings.yourInbox + QStringLiteral("plan.txt")));
    EXPECT_FALSE(QFile::exists(world.server + QStringLiteral("plan.txt")));
    EXPECT_EQ(count(world.server), 0);
}

// Two senders attach a file of one name: each of Bob's messages opens its own sender's file.
TEST(EndToEndTest, TwoMessagesNamingOneFileKeepTheirOwnFiles)
{
    MailWorld world;
    test::MailUser carl(world.temp, QStringLiteral("Carl"), world.temp.subfolder(QStringLiteral("share/carl")));
    carl.addresses.append({QStringLiteral("Bob"), world.bobInbox, {}, false});
    const QStringList senders{QStringLiteral("Ann"), QStringLiteral("Carl")};
    for (const QString &sender : senders) {
        const QString notes = world.temp.subfolder(sender) + QStringLiteral("notes.txt");
        test::writeFile(notes, sender.toUtf8());
        test::MailUser &user = sender == senders.first() ? *world.ann : carl;
        user.sendMail({QStringLiteral("Bob")}, sender, {notes});
        corvane::test::waitForCopies(user.copies);
        world.bob->checkMail();
        corvane::test::waitForCopies(world.bob->copies);
    }
    ASSERT_EQ(world.bob->storedSubjects(), senders);
    for (int i = 0; i < senders.size(); ++i)
        EXPECT_EQ(test::readFile(world.bob->attachmentFile(i, QStringLiteral("notes.txt"))), senders[i].toUtf8());
    EXPECT_EQ(MailWorld::files(world.bobInbox), QStringList{QStringLiteral("Attach.ini")});
}

// A collection of the reachable folders runs until its probes answer: a send and a check asked for
// meanwhile are turned away, write nothing and leave the list the collection is making alone.
TEST(EndToEndTest, SendAndCheckWaitWhileTheFoldersAreBeingCollected)
{
    test::MailWorld world;
    world.bob->sendMail({QStringLiteral("Ann")}, QStringLiteral("Waiting"));
    test::MailUser &ann = *world.ann;
    std::optional<addressbook::Collection> found;
    QObject::connect(&ann.collector, &addressbook::AddressCollector::finished, &ann.collector,
                     [&](const addressbook::Collection &result) { found = result; });
    ASSERT_EQ(ann.collector.start({QStringLiteral("Bob")}, false, ann.settings), std::nullopt);

    // No probe has answered yet: their answers come through the event loop.
    EXPECT_FALSE(ann.send.SendiExecute({{QStringLiteral("Carl")}, QStringLiteral("Meanwhile"), {}, {}}, ann.settings));
    EXPECT_FALSE(ann.check.start(ann.settings));

    ASSERT_TRUE(test::runEventsUntil(&ann.collector, &addressbook::AddressCollector::finished,
                                     [&] { return found.has_value(); }));
    EXPECT_EQ(found->recipients, (addressbook::RecipientList{{QStringLiteral("Bob"), world.bobInbox, core::kFalse}}));
    EXPECT_EQ(ann.sent.count(), 0);
    EXPECT_TRUE(test::MailWorld::files(world.server).isEmpty());
    EXPECT_EQ(test::MailWorld::files(world.annInbox), QStringList{QStringLiteral("Ann1.cvm")}) << "not taken in";
    EXPECT_EQ(ann.inbox.count(), 0);
}
