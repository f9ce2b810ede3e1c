#include "shell/Settings.h"
#include "shell/Startup.h"

#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "platform/XmlNodes.h"

#include "receiving/InboxStore.h"

#include "support/StoreTexts.h"
#include "support/TempFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <memory>

#include <gtest/gtest.h>

using namespace corvane::shell;
using corvane::platform::IniFile;
using corvane::test::TempFolder;

namespace {

// A program folder whose settings name an existing own inbox.
void configure(const TempFolder &app, const QString &inbox)
{
    IniFile file(app.file(QStringLiteral("main.ini")));
    file.writeString(keys::destination, keys::myDest, inbox);
    file.writeString(keys::settings, keys::name, QStringLiteral("Ann"));
}

TEST(Startup, AFirstStartInAnEmptyFolderIsNotReadyAndCreatesNothing)
{
    TempFolder app;
    Stores stores;
    Startup startup(app.path(), stores);
    const StartupOutcome outcome = startup.run(StartupRun::Creation);
    EXPECT_FALSE(outcome.ready);
    EXPECT_FALSE(outcome.startPage.has_value());
    EXPECT_EQ(outcome.caption, QStringLiteral("Corvane  Version 3.0.0.0"));
    EXPECT_FALSE(startup.okToStart());
    EXPECT_TRUE(QDir(app.path()).entryList(QDir::Files).isEmpty());
}

TEST(Startup, ValidSettingsCreateTheThreeStoresFromTheirTemplatesByteForByte)
{
    TempFolder app;
    configure(app, app.subfolder(QStringLiteral("inbox")));
    Stores stores;
    Startup startup(app.path(), stores);
    const StartupOutcome outcome = startup.run(StartupRun::Creation);
    EXPECT_TRUE(outcome.ready);
    EXPECT_EQ(outcome.startPage, 3);
    EXPECT_EQ(app.read(QStringLiteral("InBox.cvi")),
              QByteArray("<?xml version=\"1.0\"?><Inbox><Properties/></Inbox>"));
    EXPECT_EQ(app.read(QStringLiteral("address list.cva")),
              QByteArray("<?xml version=\"1.0\"?><Addressbook><Addresses/></Addressbook>"));
    EXPECT_EQ(app.read(QStringLiteral("Sent Items.cva")),
              QByteArray("<?xml version=\"1.0\"?><Sentbox><Properties/><Messages/></Sentbox>"));
}

TEST(Startup, TheGateTestsFoldersAndNameInOrder)
{
    TempFolder app;
    const QString inbox = app.subfolder(QStringLiteral("inbox"));
    configure(app, inbox);
    Stores stores;
    Startup startup(app.path(), stores);
    startup.run(StartupRun::Creation);
    EXPECT_TRUE(startup.okToStart());

    // The gate reads the live fields: fixing or breaking them works without Save.
    startup.settings().addresses = app.path() + QStringLiteral("nowhere/");
    EXPECT_FALSE(startup.okToStart());
    startup.settings().addresses = app.path();
    startup.settings().name.clear();
    EXPECT_FALSE(startup.okToStart());
    startup.settings().name = QStringLiteral("Ann");
    startup.settings().sentData = app.path() + QStringLiteral("no-sent-folder/");
    EXPECT_FALSE(startup.okToStart());
}

TEST(Startup, AStartPageOutsideTheListOpensNothingAndASaveRunOpensNothing)
{
    TempFolder app;
    configure(app, app.subfolder(QStringLiteral("inbox")));
    IniFile(app.file(QStringLiteral("main.ini"))).writeInteger(keys::settings, keys::startupLocation, 9);
    Stores stores;
    Startup startup(app.path(), stores);
    EXPECT_FALSE(startup.run(StartupRun::Creation).startPage.has_value());
    IniFile(app.file(QStringLiteral("main.ini"))).writeInteger(keys::settings, keys::startupLocation, 0);
    EXPECT_FALSE(startup.run(StartupRun::AfterSave).startPage.has_value());
    EXPECT_EQ(startup.run(StartupRun::Creation).startPage, 0);
}

TEST(Startup, ReRunCopiesTheStoreInMemoryIntoANewlyChosenFolder)
{
    TempFolder app;
    configure(app, app.subfolder(QStringLiteral("inbox")));
    Stores stores;
    Startup startup(app.path(), stores);
    startup.run(StartupRun::Creation);
    stores.address.append({QStringLiteral("Bob"), {}, {}, false});

    const QString moved = app.subfolder(QStringLiteral("moved"));
    IniFile(app.file(QStringLiteral("main.ini"))).writeString(keys::settings, keys::addresses, moved);
    ASSERT_TRUE(startup.run(StartupRun::AfterSave).ready);
    EXPECT_EQ(stores.address.fileName(), moved + QStringLiteral("address list.cva"));
    EXPECT_EQ(corvane::test::readFile(moved + QStringLiteral("address list.cva")),
              QByteArray("<?xml version=\"1.0\"?><Addressbook><Addresses><Address Name=\"Bob\" Inbox=\"\" Comment=\"\" "
                         "Server=\"False\"/></Addresses></Addressbook>"));
}

TEST(Startup, AFolderWithoutTrailingSeparatorHoldsTheStoreInside)
{
    TempFolder app;
    configure(app, app.subfolder(QStringLiteral("inbox")));
    const QString data = app.subfolder(QStringLiteral("data"));
    const QString unterminated = data.chopped(1);
    IniFile(app.file(QStringLiteral("main.ini"))).writeString(keys::settings, keys::inboxData, unterminated);
    Stores stores;
    Startup startup(app.path(), stores);
    startup.run(StartupRun::Creation);
    EXPECT_TRUE(QFile::exists(data + QStringLiteral("InBox.cvi")));
    EXPECT_FALSE(QFile::exists(unterminated + QStringLiteral("InBox.cvi")));
}

TEST(Startup, AStoreAnEarlierVersionKeptBesideAnUnterminatedFolderIsStillUsed)
{
    TempFolder app;
    configure(app, app.subfolder(QStringLiteral("inbox")));
    const QString unterminated = app.subfolder(QStringLiteral("data")).chopped(1);
    const QString besideFolder = unterminated + QStringLiteral("InBox.cvi");
    QFile old(besideFolder);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("<?xml version=\"1.0\"?><Inbox><Properties/></Inbox>");
    old.close();
    IniFile(app.file(QStringLiteral("main.ini"))).writeString(keys::settings, keys::inboxData, unterminated);
    Stores stores;
    Startup startup(app.path(), stores);
    startup.run(StartupRun::Creation);
    EXPECT_EQ(stores.inbox.fileName(), besideFolder);
    EXPECT_FALSE(QFile::exists(unterminated + QStringLiteral("/InBox.cvi")));
}

TEST(Startup, AnUnreadableStoreStopsStartupWithTheParsersMessage)
{
    TempFolder app;
    configure(app, app.subfolder(QStringLiteral("inbox")));
    app.write(QStringLiteral("InBox.cvi"), "<Inbox><Messages></Inbox>");
    Stores stores;
    Startup startup(app.path(), stores);
    EXPECT_THROW(startup.run(StartupRun::Creation), corvane::XmlError);
    EXPECT_FALSE(QFile::exists(app.file(QStringLiteral("address list.cva"))))
        << "the steps after the failing store do not run";
}

TEST(Startup, AMissingOrEmptySentItemsFolderKeepsTheProgramNotReadyAndWritesNothing)
{
    for (const QString &sentData : {QString(), QStringLiteral("gone/")}) {
        TempFolder app;
        TempFolder startedFrom;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(startedFrom.path());
        configure(app, app.subfolder(QStringLiteral("inbox")));
        IniFile(app.file(QStringLiteral("main.ini"))).writeString(keys::settings, keys::sentData, sentData);
        Stores stores;
        Startup startup(app.path(), stores);
        const StartupOutcome outcome = startup.run(StartupRun::Creation);
        QDir::setCurrent(previous);
        EXPECT_FALSE(outcome.ready) << sentData.toStdString();
        EXPECT_TRUE(QDir(startedFrom.path()).isEmpty()) << "no store beside where the program started";
        EXPECT_FALSE(QFile::exists(app.file(QStringLiteral("InBox.cvi"))));
    }
}

TEST(Startup, AStoreThatFailedToLoadIsNeverSavedUntilALoadWorks)
{
    const QByteArray broken("<Inbox><Messages></Inbox>");
    for (const QString &name : {kInboxStoreFileName, kAddressStoreFileName, kSentStoreFileName}) {
        TempFolder app;
        configure(app, app.subfolder(QStringLiteral("inbox")));
        app.write(name, broken);
        Stores stores;
        Startup startup(app.path(), stores);
        EXPECT_THROW(startup.run(StartupRun::Creation), corvane::XmlError);
        corvane::platform::Store &store = [&]() -> corvane::platform::Store & {
            if (name == kInboxStoreFileName)
                return stores.inbox;
            if (name == kAddressStoreFileName)
                return stores.address;
            return stores.sent;
        }();
        try {
            store.save();
            ADD_FAILURE() << name.toStdString() << " was saved over";
        } catch (const corvane::IoError &error) {
            EXPECT_TRUE(error.message().startsWith(QDir::toNativeSeparators(app.file(name)))) << error.message().toStdString();
            EXPECT_TRUE(error.message().contains(QStringLiteral("mismatch"))) << "the reason is given";
        }
        EXPECT_EQ(app.read(name), broken);

        // Once the file reads again, the store is saved as usual.
        QFile::remove(app.file(name));
        ASSERT_TRUE(startup.run(StartupRun::AfterSave).ready);
        EXPECT_NO_THROW(store.save());
    }
}

TEST(Startup, ASecondCopyOpensStoresHeldByTheFirstReadOnlyAndSaysWhichFolder)
{
    TempFolder app;
    configure(app, app.subfolder(QStringLiteral("inbox")));
    app.write(kInboxStoreFileName, corvane::test::inboxStore({corvane::test::inboxMessage(
                                       QStringLiteral("Bob"), QStringLiteral("kept"))}));
    auto held = std::make_unique<Stores>();
    Startup first(app.path(), *held);
    ASSERT_TRUE(first.run(StartupRun::Creation).readOnlyStores.isEmpty());

    Stores stores;
    Startup second(app.path(), stores);
    const StartupOutcome outcome = second.run(StartupRun::Creation);
    ASSERT_TRUE(outcome.ready);
    ASSERT_EQ(outcome.readOnlyStores.size(), 3);
    for (const QString &reason : outcome.readOnlyStores)
        EXPECT_TRUE(reason.contains(QDir::toNativeSeparators(QDir::cleanPath(app.path())))) << reason.toStdString();
    corvane::receiving::InboxStore &inbox = stores.inbox;
    EXPECT_THROW(inbox.deleteAt(0), corvane::IoError);
    EXPECT_THROW(stores.address.save(), corvane::IoError);
    EXPECT_EQ(inbox.count(), 1);

    // Once the first copy has closed, Save in Settings opens them for writing.
    held.reset();
    EXPECT_TRUE(second.run(StartupRun::AfterSave).readOnlyStores.isEmpty());
    EXPECT_NO_THROW(inbox.deleteAt(0));
}

// The first copy's refreshes stalled (its machine slept) until a second copy broke its inbox lock
// as stale and took the inbox over.
TEST(Startup, ACopyWhoseStoreLockWasTakenOverStopsWritingThatStoreAndSaysSo)
{
    TempFolder app;
    configure(app, app.subfolder(QStringLiteral("inbox")));
    app.write(kInboxStoreFileName, corvane::test::inboxStore({corvane::test::inboxMessage(
                                       QStringLiteral("Bob"), QStringLiteral("kept"))}));
    auto first = std::make_unique<Stores>();
    Startup firstStart(app.path(), *first);
    ASSERT_TRUE(firstStart.run(StartupRun::Creation).readOnlyStores.isEmpty());
    QStringList lost;
    QObject::connect(&first->locks, &StoreLocks::lockLost, &first->locks,
                     [&lost](const QString &reason) { lost.append(reason); });
    const QString lock = StoreLocks::lockPathFor(app.file(kInboxStoreFileName));
    {
        QFile note(lock + QStringLiteral("/holder"));
        ASSERT_TRUE(note.open(QIODevice::ReadWrite));
        ASSERT_TRUE(note.setFileTime(QDateTime::currentDateTime().addSecs(
                                         corvane::platform::SessionLock::kStaleAfter.count() / -1000 - 60),
                                     QFileDevice::FileModificationTime));
    }
    Stores second;
    Startup secondStart(app.path(), second);
    ASSERT_EQ(secondStart.run(StartupRun::Creation).readOnlyStores.size(), 2) << "the address list and sent items";
    ASSERT_FALSE(second.inbox.isReadOnly());
    const QByteArray secondsNote = corvane::test::readFile(lock + QStringLiteral("/holder"));

    first->locks.refreshAll();
    first->locks.refreshAll();
    ASSERT_EQ(lost.size(), 1);
    EXPECT_TRUE(first->inbox.isReadOnly());
    EXPECT_EQ(first->inbox.readOnlyReason(), lost[0]);
    EXPECT_TRUE(lost[0].contains(QDir::toNativeSeparators(app.file(kInboxStoreFileName)))) << lost[0].toStdString();
    EXPECT_THROW(first->inbox.deleteAt(0), corvane::IoError);
    EXPECT_FALSE(first->address.isReadOnly()) << "its own locks are kept";

    // The first copy closes; the second still holds the inbox, and a third copy opens it read-only.
    first.reset();
    EXPECT_EQ(corvane::test::readFile(lock + QStringLiteral("/holder")), secondsNote);
    Stores third;
    Startup thirdStart(app.path(), third);
    thirdStart.run(StartupRun::Creation);
    EXPECT_TRUE(third.inbox.isReadOnly());
    EXPECT_NO_THROW(second.inbox.deleteAt(0));
}

// While the share is away another copy may break the locks (their notes age): nothing is written
// until the notes show again that the stores are still this copy's.
TEST(Startup, StoresWaitWithoutWritingWhileTheirLocksCannotBeRead)
{
    TempFolder app;
    configure(app, app.subfolder(QStringLiteral("inbox")));
    app.write(kInboxStoreFileName, corvane::test::inboxStore({corvane::test::inboxMessage(
                                       QStringLiteral("Bob"), QStringLiteral("kept"))}));
    Stores stores;
    Startup startup(app.path(), stores);
    ASSERT_TRUE(startup.run(StartupRun::Creation).readOnlyStores.isEmpty());
    int lost = 0;
    QObject::connect(&stores.locks, &StoreLocks::lockLost, &stores.locks, [&lost] { ++lost; });
    const QString share = QDir::cleanPath(app.path());
    ASSERT_TRUE(QDir().rename(share, share + QStringLiteral("-away")));
    stores.locks.refreshAll();
    ASSERT_TRUE(QDir().rename(share + QStringLiteral("-away"), share));
    ASSERT_EQ(stores.readOnlyReasons().size(), 3);
    EXPECT_TRUE(stores.readOnlyReasons()[0].contains(QStringLiteral("does not answer")))
        << stores.readOnlyReasons()[0].toStdString();
    EXPECT_THROW(stores.inbox.deleteAt(0), corvane::IoError);

    stores.locks.refreshAll();
    EXPECT_TRUE(stores.readOnlyReasons().isEmpty());
    EXPECT_NO_THROW(stores.inbox.deleteAt(0));
    EXPECT_EQ(lost, 0);
}

TEST(Startup, SavingTheSettingsKeepsTheReadMarksNotYetSaved)
{
    TempFolder app;
    configure(app, app.subfolder(QStringLiteral("inbox")));
    app.write(kInboxStoreFileName, corvane::test::inboxStore({corvane::test::inboxMessage(
                                       QStringLiteral("Bob"), QStringLiteral("opened"))}));
    Stores stores;
    Startup startup(app.path(), stores);
    ASSERT_TRUE(startup.run(StartupRun::Creation).ready);
    corvane::receiving::InboxStore &inbox = stores.inbox;
    inbox.markRead(0);

    ASSERT_TRUE(startup.run(StartupRun::AfterSave).ready);
    EXPECT_EQ(inbox.rowAt(0).read, corvane::receiving::kRead);
    EXPECT_FALSE(inbox.readMarksUnsaved());
    EXPECT_TRUE(app.read(kInboxStoreFileName).contains("Read=\"Read\""));
}

TEST(Startup, ReadMarksNotYetSavedGoIntoTheirOwnStoreWhenSettingsMoveTheInboxData)
{
    TempFolder app;
    configure(app, app.subfolder(QStringLiteral("inbox")));
    app.write(kInboxStoreFileName, corvane::test::inboxStore({corvane::test::inboxMessage(
                                       QStringLiteral("Bob"), QStringLiteral("opened"))}));
    const QString other = app.subfolder(QStringLiteral("other"));
    corvane::test::writeFile(other + kInboxStoreFileName, corvane::test::inboxStore({}));
    Stores stores;
    Startup startup(app.path(), stores);
    ASSERT_TRUE(startup.run(StartupRun::Creation).ready);
    stores.inbox.markRead(0);

    IniFile(app.file(QStringLiteral("main.ini"))).writeString(keys::settings, keys::inboxData, other);
    ASSERT_TRUE(startup.run(StartupRun::AfterSave).ready);
    EXPECT_TRUE(app.read(kInboxStoreFileName).contains("Read=\"Read\""));
}

TEST(Startup, CaptionWithoutAVersion)
{
    EXPECT_EQ(Startup::captionFor(QString()), QStringLiteral("Corvane  Version "));
}

} // namespace
