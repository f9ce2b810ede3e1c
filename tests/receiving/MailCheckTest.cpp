// The mail check's handling of bad files, failed saves, reloads, overlapping runs, and names
// that start other users' names.
#include "MailWorld.h"

#include "platform/FileIo.h"
#include "platform/Guid.h"
#include "support/OpenedStore.h"

#include <QFileInfo>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <functional>

using namespace corvane;
using corvane::test::MailWorld;

namespace {

QByteArray messageFile(const QString &subject, const QString &guid = platform::newGuidText(),
                       const QStringList &to = {QStringLiteral("Bob")})
{
    QString recipients;
    for (const QString &name : to)
        recipients += QStringLiteral("<Recipient Name=\"%1\"/>").arg(name);
    return QStringLiteral("<?xml version=\"1.0\"?><Corvane><Message><To>%3</To><Subject Text=\"%1\"/><Attachments/>"
                          "</Message><System Active=\"False\" GUID=\"%2\"/></Corvane>")
        .arg(subject, guid, recipients)
        .toUtf8();
}

struct MailCheckTest : ::testing::Test
{
    MailWorld world;
    test::MailUser &bob = *world.bob;
    int waits = 0; // the checks that waited for a file to settle
    void put(const QString &folder, const char *name, const QByteArray &content)
    {
        test::writeFile(folder + QString::fromUtf8(name), content);
    }
    // While a check waits to see whether a file is still being written, `meanwhile` runs and the
    // clock passes the wait.
    void passTimeWhileWaiting(qint64 &now, std::function<void()> meanwhile = {})
    {
        QObject::connect(&bob.check, &receiving::MailCheck::statusTextChanged, &bob.check,
                         [this, &now, meanwhile](const QString &text) {
                             if (text.isEmpty() || text == receiving::checkingMessagesText())
                                 return; // the check's other texts: at its start and end
                             ++waits;
                             if (meanwhile)
                                 meanwhile();
                             now += receiving::MailCheck::kSettledMs;
                         });
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
    EXPECT_EQ(failed.notices[0].kind, core::Notice::Kind::Error);
    EXPECT_TRUE(failed.notices[0].text.startsWith(QStringLiteral("Unable to write to")));
    EXPECT_EQ(MailWorld::files(world.bobInbox), QStringList{QStringLiteral("Bob1.cvm")});
    EXPECT_EQ(status, (QStringList{receiving::checkingMessagesText(), QString()}));
    EXPECT_EQ(enabled, (QList<bool>{false, true}));

    // The next check saves the message it holds and only then removes the file.
    EXPECT_EQ(bob.checkMail().duplicates, 1);
    EXPECT_TRUE(MailWorld::files(world.bobInbox).isEmpty());
    EXPECT_EQ(test::storeInFile<receiving::InboxStore>(bob.inbox.fileName())->count(), 1);
}

// Copies in the own and the server folder are one message when their identifiers match as text,
// whatever the letter case, also when an identifier is no well-formed GUID.
TEST_F(MailCheckTest, CopiesWhoseGuidsMatchAsTextInAnyCaseAreStoredOnce)
{
    const QString guid = platform::newGuidText();
    const std::pair<QString, QString> cases[] = {{QStringLiteral("not-a-guid"), QStringLiteral("not-a-guid")},
                                                 {guid, guid.toLower()}};
    for (int i = 0; i < 2; ++i) {
        const auto &[own, server] = cases[i];
        SCOPED_TRACE(own.toStdString());
        put(world.bobInbox, "Bob1.cvm", messageFile(QStringLiteral("one"), own));
        put(world.server, "Bob1.cvm", messageFile(QStringLiteral("copy"), server));
        const receiving::CheckResult checked = bob.checkMail();
        EXPECT_TRUE(checked.notices.isEmpty());
        EXPECT_EQ(checked.stored, 1);
        EXPECT_EQ(checked.duplicates, 1);
        ASSERT_EQ(bob.inbox.count(), i + 1);
        EXPECT_EQ(bob.inbox.message(i).guid, own);
    }
}

// A file that is no message never holds the others back. One that does not parse is set aside
// once it has stayed unchanged for a few seconds, which the check that found it waits for at its
// end; the user reads its name in the status text.
TEST_F(MailCheckTest, AFileThatIsNoMessageHoldsNothingUpAndIsSetAsideOnceItHasSettled)
{
    qint64 now = 1000000;
    bob.check.setClock([&] { return now; });
    passTimeWhileWaiting(now);
    put(world.bobInbox, "Bob1.cvm", "garbage a colleague wrote");
    put(world.bobInbox, "Bob2.cvm", messageFile(QStringLiteral("two")));
    put(world.bobInbox, "Bob3.cvm", messageFile(QStringLiteral("three")));
    put(world.server, "Bob1.cvm", messageFile(QStringLiteral("relayed")));

    const receiving::CheckResult checked = bob.checkMail();
    EXPECT_EQ(bob.storedSubjects(), (QStringList{QStringLiteral("two"), QStringLiteral("three"), QStringLiteral("relayed")}));
    ASSERT_EQ(checked.notices.size(), 1);
    EXPECT_EQ(checked.notices[0].code, core::Notice::Code::MessageFileSetAside);
    EXPECT_TRUE(checked.notices[0].text.contains(QStringLiteral("Bob1.cvm.unreadable")));
    EXPECT_EQ(MailWorld::files(world.bobInbox), QStringList{QStringLiteral("Bob1.cvm.unreadable")});
    EXPECT_EQ(waits, 1);
    EXPECT_TRUE(bob.checkMail().notices.isEmpty()); // told once
}

// A message cut short before its recipients, or a file without a message, parses whole: it is no
// message being written, and is set aside at once. Bob12.cvm, which may be Bob1's, stays.
TEST_F(MailCheckTest, AFileThatNamesNoRecipientIsSetAsideAtOnce)
{
    const struct
    {
        const char *what;
        QByteArray content;
    } cases[] = {
        {"no To", "<?xml version=\"1.0\"?><Corvane><Message><Subject Text=\"cut\"/></Message>"
                  "<System Active=\"False\"/></Corvane>"},
        {"no Message", "<?xml version=\"1.0\"?><Corvane><System Active=\"False\"/></Corvane>"},
        {"an empty To", messageFile(QStringLiteral("for nobody"), platform::newGuidText(), {})},
    };
    qint64 now = 1000000;
    bob.check.setClock([&] { return now; });
    passTimeWhileWaiting(now);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        put(world.bobInbox, "Bob1.cvm", c.content);
        put(world.bobInbox, "Bob12.cvm", messageFile(QStringLiteral("for Bob1"), platform::newGuidText(), {QStringLiteral("Bob1")}));
        put(world.bobInbox, "Bob2.cvm", messageFile(QStringLiteral("two")));
        const receiving::CheckResult checked = bob.checkMail();
        EXPECT_EQ(bob.storedSubjects().last(), QStringLiteral("two"));
        ASSERT_EQ(checked.notices.size(), 1);
        EXPECT_EQ(checked.notices[0].code, core::Notice::Code::MessageFileSetAside);
        EXPECT_EQ(MailWorld::files(world.bobInbox), (QStringList{QStringLiteral("Bob1.cvm.unreadable"), QStringLiteral("Bob12.cvm")}));
        QFile::remove(world.bobInbox + QStringLiteral("Bob1.cvm.unreadable"));
    }
    EXPECT_EQ(waits, 0);
}

TEST_F(MailCheckTest, ASecondFileSetAsideUnderTheSameNameKeepsBoth)
{
    qint64 now = 1000000;
    bob.check.setClock([&] { return now; });
    passTimeWhileWaiting(now);
    put(world.bobInbox, "Bob2.cvm.unreadable", "first");
    put(world.bobInbox, "Bob2.cvm", "second");
    const receiving::CheckResult checked = bob.checkMail();
    ASSERT_EQ(checked.notices.size(), 1);
    EXPECT_TRUE(checked.notices[0].text.contains(QStringLiteral("Bob2.cvm.unreadable2")));
    EXPECT_EQ(test::readFile(world.bobInbox + QStringLiteral("Bob2.cvm.unreadable")), QByteArray("first"));
    EXPECT_EQ(test::readFile(world.bobInbox + QStringLiteral("Bob2.cvm.unreadable2")), QByteArray("second"));
    EXPECT_FALSE(QFileInfo::exists(world.bobInbox + QStringLiteral("Bob2.cvm")));
}

// A file seen growing may be one a slow sender still writes: it waits the ten minutes unchanged,
// and holds nothing up meanwhile.
TEST_F(MailCheckTest, AFileStillBeingWrittenGetsTheLongWaitAndHoldsNothingUp)
{
    qint64 now = 1000000;
    bob.check.setClock([&] { return now; });
    passTimeWhileWaiting(now, [&] { put(world.bobInbox, "Bob1.cvm", "<Corvane><Message><To"); });
    put(world.bobInbox, "Bob1.cvm", "<Corvane><Mess");
    put(world.bobInbox, "Bob2.cvm", messageFile(QStringLiteral("two")));
    EXPECT_TRUE(bob.checkMail().notices.isEmpty());
    EXPECT_EQ(bob.storedSubjects(), QStringList{QStringLiteral("two")});
    EXPECT_EQ(MailWorld::files(world.bobInbox), QStringList{QStringLiteral("Bob1.cvm")});

    now += 9 * 60 * 1000;
    EXPECT_TRUE(bob.checkMail().notices.isEmpty());
    EXPECT_EQ(waits, 1) << "a file seen growing is not waited for";
    now += 2 * 60 * 1000;
    const receiving::CheckResult late = bob.checkMail();
    ASSERT_EQ(late.notices.size(), 1);
    EXPECT_EQ(late.notices[0].code, core::Notice::Code::MessageFileSetAside);
    EXPECT_EQ(MailWorld::files(world.bobInbox), QStringList{QStringLiteral("Bob1.cvm.unreadable")});
}

TEST_F(MailCheckTest, ACheckClosedWhileItWaitsForAFileEndsAtOnceAndLeavesTheFile)
{
    qint64 now = 1000000;
    bob.check.setClock([&] { return now; });
    QObject::connect(&bob.check, &receiving::MailCheck::statusTextChanged, &bob.check, [&](const QString &text) {
        if (text == receiving::waitingForFileText(QStringLiteral("Bob1.cvm")))
            bob.check.cancel();
    });
    put(world.bobInbox, "Bob1.cvm", "<Corvane><Mess");
    put(world.bobInbox, "Bob2.cvm", messageFile(QStringLiteral("two")));
    EXPECT_TRUE(bob.checkMail().notices.isEmpty());
    EXPECT_EQ(bob.storedSubjects(), QStringList{QStringLiteral("two")});
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
        EXPECT_EQ(checked.notices[0].kind, core::Notice::Kind::Error);
    }
    EXPECT_TRUE(QFile::exists(outside));
}

TEST_F(MailCheckTest, AReadOnlyStoreTakesNoMailAndSaysWhy)
{
    put(world.bobInbox, "Bob1.cvm", messageFile(QStringLiteral("one")));
    bob.checkMail();
    put(world.bobInbox, "Bob2.cvm", messageFile(QStringLiteral("two")));
    bob.inbox.setReadOnly(QStringLiteral("held by another copy"));
    const receiving::CheckResult checked = bob.checkMail();
    ASSERT_EQ(checked.notices.size(), 1);
    EXPECT_EQ(checked.notices[0].text, QStringLiteral("held by another copy"));
    EXPECT_EQ(MailWorld::files(world.bobInbox), QStringList{QStringLiteral("Bob2.cvm")});
    EXPECT_EQ(bob.inbox.count(), 1);
}

TEST_F(MailCheckTest, ACheckIsNotNestedWhileACheckOrACollectionRuns)
{
    put(world.bobInbox, "Bob1.cvm", messageFile(QStringLiteral("one")));
    put(world.bobInbox, "Bob2.cvm", messageFile(QStringLiteral("two")));
    QList<bool> nestedStarted;
    QObject::connect(&bob.check, &receiving::MailCheck::messageFileHandled, &bob.check,
                     [&] { nestedStarted.append(bob.check.start(bob.settings)); });
    EXPECT_EQ(bob.checkMail().stored, 2);
    EXPECT_EQ(nestedStarted, (QList<bool>{false, false}));

    // A timer tick during a send's address collection is skipped too.
    bool startedDuringSend = true;
    QTimer::singleShot(0, &bob.check, [&] { startedDuringSend = bob.check.start(bob.settings); });
    bob.sendMail({QStringLiteral("Ann")}, QStringLiteral("x"));
    EXPECT_FALSE(startedDuringSend);
}

TEST(MailCheckNamesTest, EachFileGoesToTheUserItsNameAndToListNameWhoeverChecksFirst)
{
    // Ann's 11th and 12th files read as Ann1's 1st and 2nd; Ann13.cvm is Ann1's. Two messages
    // went to both: one has Ann's copy under a name of Ann's alone (Ann20.cvm), the other has
    // both copies under names that read as either user's.
    for (const bool ann1First : {false, true}) {
        MailWorld here;
        test::MailUser ann1(here.temp, QStringLiteral("Ann1"), here.temp.subfolder(QStringLiteral("share/ann1")));
        ann1.addresses.append({QStringLiteral("Relay"), here.server, {}, true});
        const QStringList ann = {QStringLiteral("Ann")};
        const QStringList both = {QStringLiteral("Ann1"), QStringLiteral("Ann")};
        for (int n = 1; n <= 12; ++n)
            test::writeFile(here.server + QStringLiteral("Ann%1.cvm").arg(n),
                            messageFile(QString::number(n), platform::newGuidText(), ann));
        test::writeFile(here.server + QStringLiteral("Ann13.cvm"),
                        messageFile(QStringLiteral("for Ann1"), platform::newGuidText(), {QStringLiteral("Ann1")}));
        const QString early = platform::newGuidText();
        const QString late = platform::newGuidText();
        test::writeFile(here.server + QStringLiteral("Ann14.cvm"), messageFile(QStringLiteral("both early"), early, both));
        test::writeFile(here.server + QStringLiteral("Ann15.cvm"), messageFile(QStringLiteral("both early"), early, both));
        test::writeFile(here.server + QStringLiteral("Ann16.cvm"), messageFile(QStringLiteral("both late"), late, both));
        test::writeFile(here.server + QStringLiteral("Ann20.cvm"), messageFile(QStringLiteral("both late"), late, both));
        // A third went to both, and the sender writes Ann's copy only after the first checks.
        const QString racing = platform::newGuidText();
        test::writeFile(here.server + QStringLiteral("Ann17.cvm"), messageFile(QStringLiteral("both racing"), racing, both));

        // Copies that read as either user's are taken a minute after they were first seen.
        qint64 now = 1000000;
        for (test::MailUser *user : {here.ann.get(), &ann1})
            user->check.setClock([&] { return now; });
        for (int round = 0; round < 2; ++round, now += 61 * 1000) {
            if (round == 1)
                test::writeFile(here.server + QStringLiteral("Ann21.cvm"),
                                messageFile(QStringLiteral("both racing"), racing, both));
            if (ann1First)
                ann1.checkMail();
            here.ann->checkMail();
            ann1.checkMail();
        }
        QStringList annGot = here.ann->storedSubjects();
        annGot.sort();
        QStringList expected{QStringLiteral("both early"), QStringLiteral("both late"), QStringLiteral("both racing")};
        for (int n = 1; n <= 12; ++n)
            expected.append(QString::number(n));
        expected.sort();
        EXPECT_EQ(annGot, expected) << ann1First;
        QStringList ann1Got = ann1.storedSubjects();
        ann1Got.sort();
        EXPECT_EQ(ann1Got, (QStringList{QStringLiteral("both early"), QStringLiteral("both late"),
                                        QStringLiteral("both racing"), QStringLiteral("for Ann1")}))
            << ann1First;
        EXPECT_TRUE(MailWorld::files(here.server).isEmpty()) << MailWorld::files(here.server).join(u' ').toStdString();
    }
}

TEST(MailCheckNamesTest, ARelayedFileThatNamesOthersStaysWhenTheUserChecksAlone)
{
    // Files under names that read as Ann's in the server folder, whose To lists name only others:
    // Ann1's 3rd, and one misaddressed to Carl. However long Ann checks alone, neither is hers.
    MailWorld here;
    test::writeFile(here.server + QStringLiteral("Ann13.cvm"),
                    messageFile(QStringLiteral("for Ann1"), platform::newGuidText(), {QStringLiteral("Ann1")}));
    test::writeFile(here.server + QStringLiteral("Ann1.cvm"),
                    messageFile(QStringLiteral("for Carl"), platform::newGuidText(), {QStringLiteral("Carl")}));
    qint64 now = 1000000;
    here.ann->check.setClock([&] { return now; });
    for (int round = 0; round < 3; ++round, now += receiving::MailCheck::kSharedSettleMs + 1000)
        EXPECT_EQ(here.ann->checkMail().stored, 0);
    EXPECT_TRUE(here.ann->storedSubjects().isEmpty());
    EXPECT_EQ(MailWorld::files(here.server), (QStringList{QStringLiteral("Ann1.cvm"), QStringLiteral("Ann13.cvm")}));
}

TEST_F(MailCheckTest, AStoreLoadedAgainAfterAFailedSaveTakesTheFilesInAgain)
{
    put(world.bobInbox, "Bob1.cvm", messageFile(QStringLiteral("one")));
    platform::setWriteFaultHookForTesting([](const QString &) { return true; });
    bob.checkMail();
    platform::setWriteFaultHookForTesting({});

    // Save in the settings loads the store again from its file, as start-up does.
    bob.inbox.open(bob.inbox.fileName());
    EXPECT_EQ(bob.checkMail().stored, 1);
    EXPECT_TRUE(MailWorld::files(world.bobInbox).isEmpty());
    EXPECT_EQ(bob.storedSubjects(), QStringList{QStringLiteral("one")});
}

TEST_F(MailCheckTest, AStoreLoadedAgainDuringTheCheckLeavesEveryFileForTheNextCheck)
{
    put(world.bobInbox, "Bob1.cvm", messageFile(QStringLiteral("zero")));
    bob.checkMail(); // the store file now has its Messages element
    put(world.bobInbox, "Bob1.cvm", messageFile(QStringLiteral("one")));
    put(world.bobInbox, "Bob2.cvm", messageFile(QStringLiteral("two")));
    bool reloaded = false;
    const auto connection = QObject::connect(&bob.check, &receiving::MailCheck::messageFileHandled, &bob.check, [&] {
        if (std::exchange(reloaded, true))
            return;
        // Twice, so that the new tree may well lie where the first one lay.
        bob.inbox.open(bob.inbox.fileName());
        bob.inbox.open(bob.inbox.fileName());
    });
    bob.checkMail();
    QObject::disconnect(connection);
    EXPECT_EQ(MailWorld::files(world.bobInbox), (QStringList{QStringLiteral("Bob1.cvm"), QStringLiteral("Bob2.cvm")}));
    bob.checkMail();
    EXPECT_EQ(bob.storedSubjects(), (QStringList{QStringLiteral("zero"), QStringLiteral("one"), QStringLiteral("two")}));
}

TEST_F(MailCheckTest, AFileWrittenUnderTheNameAfterItWasReadIsLeftForTheNextCheck)
{
    put(world.bobInbox, "Bob1.cvm", messageFile(QStringLiteral("one")));
    const auto connection = QObject::connect(&bob.check, &receiving::MailCheck::messageFileHandled, &bob.check, [&] {
        // Another installation took the file; a sender wrote the freed number again.
        QFile::remove(world.bobInbox + QStringLiteral("Bob1.cvm"));
        put(world.bobInbox, "Bob1.cvm", messageFile(QStringLiteral("two, a longer subject")));
    });
    bob.checkMail();
    QObject::disconnect(connection);
    EXPECT_EQ(MailWorld::files(world.bobInbox), QStringList{QStringLiteral("Bob1.cvm")});
    bob.checkMail();
    EXPECT_EQ(bob.storedSubjects(), (QStringList{QStringLiteral("one"), QStringLiteral("two, a longer subject")}));
}

TEST_F(MailCheckTest, AFileThatCannotBeOpenedIsNeverSetAsideAndHoldsNothingUp)
{
    qint64 now = 1000000;
    bob.check.setClock([&] { return now; });
    // A socket under a message file's name: listed, but never opened.
    const QByteArray socketPath = QFile::encodeName(world.bobInbox + QStringLiteral("Bob1.cvm"));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(std::size_t(socketPath.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, socketPath.constData(), std::size_t(socketPath.size()));
    ASSERT_EQ(::bind(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    put(world.bobInbox, "Bob2.cvm", messageFile(QStringLiteral("two")));

    EXPECT_TRUE(bob.checkMail().notices.isEmpty());
    EXPECT_EQ(bob.storedSubjects(), QStringList{QStringLiteral("two")});
    now += 11 * 60 * 1000;
    const receiving::CheckResult late = bob.checkMail();
    ASSERT_EQ(late.notices.size(), 1); // lasting: the user hears of it, once
    EXPECT_EQ(late.notices[0].kind, core::Notice::Kind::Error);
    now += 11 * 60 * 1000;
    EXPECT_TRUE(bob.checkMail().notices.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(QFile::decodeName(socketPath)));
    EXPECT_EQ(MailWorld::files(world.bobInbox), QStringList{}); // nothing set aside
    ::close(socket);
}

TEST_F(MailCheckTest, TheCheckRestoresAMissingPropertiesElement)
{
    const QString path = receiving::InboxStore::pathIn(bob.settings.inboxData);
    test::writeFile(path, "<?xml version=\"1.0\"?><Inbox><Messages/></Inbox>");
    bob.inbox.open(path);
    bob.checkMail();
    platform::XmlDocument onDisk;
    onDisk.loadFromFile(path);
    EXPECT_TRUE(onDisk.root().child("Properties"));
}
