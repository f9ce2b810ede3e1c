#include "receiving/InboxStore.h"
#include "receiving/MessageFiles.h"

#include "platform/Errors.h"
#include "platform/Guid.h"

#include "support/OpenedStore.h"
#include "support/QtPrinters.h"
#include "support/ReceivedFile.h"
#include "support/RevisionSteps.h"
#include "support/StoreTexts.h"
#include "support/TempFolder.h"

#include "platform/XmlDocument.h"

#include <gtest/gtest.h>

using namespace corvane::receiving;
using corvane::platform::XmlDocument;
using corvane::test::inboxMessage;
using corvane::test::receivedFile;
using corvane::test::TempFolder;

namespace {

struct InboxStoreTest : ::testing::Test, corvane::test::OpenedStore<InboxStore>
{
    void addMessage(const char *subject, const QString *guid)
    {
        store.appendMessage(receivedFile("<Message><Subject Text=\"" + QByteArray(subject) + "\"/></Message>"), guid);
    }
    QString subjectAt(int position) const { return store.rowAt(position).subject; }
};

} // namespace

namespace corvane::receiving {

// Readable rows in failure messages.
void PrintTo(const InboxRow &row, std::ostream *os)
{
    *os << row.number << ' '
        << QStringList{row.from, row.subject, row.attachments, row.date, row.read}.join(u'|').toStdString();
}

} // namespace corvane::receiving

TEST_F(InboxStoreTest, FirstOpenCreatesTheStoreWithPropertiesOnly)
{
    XmlDocument copy;
    copy.loadFromFile(storeFile);
    EXPECT_STREQ(copy.root().name(), "Inbox");
    EXPECT_TRUE(copy.root().child("Properties"));
    EXPECT_FALSE(copy.root().child("Messages"));
    EXPECT_EQ(store.count(), 0);
}

TEST_F(InboxStoreTest, AppendedMessagesAreUnreadWithTheirGuidAfterProperties)
{
    const QString guid = QStringLiteral("{6F9619FF-8B86-D011-B42D-00C04FC964FF}");
    addMessage("one", &guid);
    addMessage("two", nullptr);
    store.save();
    XmlDocument copy;
    copy.loadFromFile(storeFile);
    EXPECT_EQ(copy.toBytes(),
              QByteArray("<?xml version=\"1.0\"?><Inbox><Properties/><Messages>"
                         "<Message Read=\"Unread\" GUID=\"{6F9619FF-8B86-D011-B42D-00C04FC964FF}\"><Subject Text=\"one\"/></Message>"
                         "<Message Read=\"Unread\"><Subject Text=\"two\"/></Message></Messages></Inbox>"));
}

// Attributes on Message are the store's: a sender's GUID, read mark or attachment folder there
// never becomes the stored message's, with or without a GUID of its own.
TEST_F(InboxStoreTest, TheStoreSetsItsOwnAttributesOverWhatTheSenderWrote)
{
    const QByteArray sent = "<Message GUID=\"{A}\" Read=\"Read\" AttachmentFolder=\"{A}\" Other=\"x\"><Subject Text=\"s\"/>"
                            "<Attachments><Attachment Filename=\"a.doc\"/></Attachments></Message>";
    const QString own = QStringLiteral("{6F9619FF-8B86-D011-B42D-00C04FC964FF}");
    const QString device = QStringLiteral("CON");
    struct Case
    {
        const char *what;
        const QString *guid;
        std::optional<QString> expectedGuid;
        bool folderIsGuid;
    } cases[] = {{"no GUID in System", nullptr, std::nullopt, false},
                 {"a GUID in System", &own, own, true},
                 {"a GUID that cannot name a folder", &device, device, false}};
    for (int i = 0; i < 3; ++i) {
        const Case &c = cases[i];
        SCOPED_TRACE(c.what);
        const QString folder = store.appendMessage(receivedFile(sent), c.guid);
        const corvane::core::Message stored = store.message(i);
        EXPECT_EQ(stored.guid, c.expectedGuid);
        EXPECT_EQ(stored.attachmentFolder, folder);
        EXPECT_TRUE(c.folderIsGuid ? folder == own : corvane::platform::isWellFormedGuidText(folder)) << folder.toStdString();
        EXPECT_EQ(store.rowAt(i).read, kUnread);
    }
    store.save();
    EXPECT_FALSE(corvane::test::readFile(storeFile).contains("{A}"));
    EXPECT_FALSE(corvane::test::readFile(storeFile).contains("Other"));
    EXPECT_EQ(store.unreadCount(), 3);
}

// The names messages stored without a folder of their own give are theirs in the inbox folder,
// from the time the store first held such a message on.
TEST_F(InboxStoreTest, MessagesStoredWithoutAFolderOfTheirOwnClaimTheirNamesInTheInboxFolder)
{
    const QString data = temp.path();
    EXPECT_EQ(corvane::receiving::keptSince(data), std::nullopt) << "nothing to record for a store without them";
    const QDateTime before = QDateTime::currentDateTimeUtc();
    reopenWith(corvane::test::inboxStore(
        {inboxMessage(QStringLiteral("Ann"), QStringLiteral("old"), {QStringLiteral("a.doc"), QStringLiteral("b.doc")}),
         inboxMessage(QStringLiteral("Ann"), QStringLiteral("older"), {QStringLiteral("A.DOC")}),
         inboxMessage(QStringLiteral("Ann"), QStringLiteral("kept"), {QStringLiteral("c.doc")})
             .replace("<Message ", "<Message AttachmentFolder=\"{C}\" ")}));
    const std::optional<QDateTime> since = corvane::receiving::keptSince(data);
    ASSERT_TRUE(since);
    EXPECT_GE(*since, before);
    const QStringList asked{QStringLiteral("a.doc"), QStringLiteral("b.doc"), QStringLiteral("c.doc"), QStringLiteral("d.doc")};
    EXPECT_EQ(store.inboxFolderClaims(asked).names, (QStringList{QStringLiteral("a.doc"), QStringLiteral("b.doc")}));
    EXPECT_EQ(store.inboxFolderClaims(asked).keptSince, since);

    store.deleteAt(0);
    EXPECT_EQ(store.inboxFolderClaims(asked).names, QStringList{QStringLiteral("a.doc")}) << "A.DOC is still named";
    store.deleteAt(0);
    EXPECT_TRUE(store.inboxFolderClaims(asked).names.isEmpty());
    store.open(storeFile);
    EXPECT_EQ(corvane::receiving::keptSince(data), since) << "recorded once";
}

TEST_F(InboxStoreTest, DeletingRenumbersLaterMessagesAndSaves)
{
    addMessage("one", nullptr);
    addMessage("two", nullptr);
    addMessage("three", nullptr);
    store.deleteAt(0);
    EXPECT_EQ(subjectAt(0), QStringLiteral("two"));
    EXPECT_EQ(subjectAt(1), QStringLiteral("three"));
    EXPECT_EQ(corvane::test::storeInFile<InboxStore>(storeFile)->count(), 2);
}

TEST_F(InboxStoreTest, ReadMarkReachesTheFileOnlyWithTheNextSave)
{
    addMessage("one", nullptr);
    store.save();
    store.markRead(0);
    EXPECT_EQ(store.rowAt(0).read, kRead);
    store.open(storeFile);
    EXPECT_EQ(store.rowAt(0).read, kUnread);
}

TEST_F(InboxStoreTest, RowsNumberTheMessagesAndJoinTheAttachmentNames)
{
    reopenWith(corvane::test::inboxStore(
        {inboxMessage(QStringLiteral("Bob"), QStringLiteral("Lunch?")),
         inboxMessage(QStringLiteral("Cid & Co"), QStringLiteral("Files"),
                      {QStringLiteral("a.txt"), QStringLiteral("b.txt")}, QStringLiteral("1/2/2026"),
                      QStringLiteral("Read")),
         "<!-- not a message -->",
         "<Message><Attachments><Attachment Filename=\"only.doc\"/></Attachments></Message>"}));
    const QList<InboxRow> rows{
        {1, QStringLiteral("Bob"), QStringLiteral("Lunch?"), {}, QStringLiteral("12/7/2026 12:00:00 PM"), kUnread},
        {2, QStringLiteral("Cid & Co"), QStringLiteral("Files"), QStringLiteral("a.txt, b.txt"),
         QStringLiteral("1/2/2026"), kRead},
        {3, {}, {}, QStringLiteral("only.doc"), {}, {}}};
    EXPECT_EQ(store.rows(), rows);
    for (int position : {0, 1, 2, 1, 0, 2}) // a row-by-row reader may also step back
        EXPECT_EQ(store.rowAt(position), rows[position]) << position;
    EXPECT_THROW(store.rowAt(3), corvane::Error);
    EXPECT_THROW(store.rowAt(-1), corvane::Error);

    reopenWith("<?xml version=\"1.0\"?><Inbox><Properties/></Inbox>");
    EXPECT_TRUE(store.rows().isEmpty()) << "a store without Messages";
    EXPECT_THROW(store.rowAt(0), corvane::Error);
}

TEST_F(InboxStoreTest, EveryChangeOfTheMessagesRaisesTheRevision)
{
    addMessage("one", nullptr);
    const std::vector<corvane::test::RevisionStep> steps{
        {"append", [&] { addMessage("two", nullptr); }},
        {"mark read", [&] { store.markRead(1); }},
        {"mark read again", [&] { store.markRead(1); }, false},
        {"save", [&] { store.save(); }, false},
        {"delete", [&] { store.deleteAt(0); }},
        {"open", [&] { store.open(storeFile); }},
    };
    corvane::test::expectRevisionSteps(store, steps);
}

TEST_F(InboxStoreTest, KnownGuidsCountAMessageWithoutGuidAsTheZeroGuid)
{
    const QString lower = QStringLiteral("{6f9619ff-8b86-d011-b42d-00c04fc964ff}");
    const QString odd = QStringLiteral("not a guid");
    addMessage("one", &lower);
    addMessage("two", nullptr);
    addMessage("three", &odd);
    const KnownMessageGuids &known = store.knownMessageGuids();
    EXPECT_TRUE(known.contains(QStringLiteral("{6F9619FF-8B86-D011-B42D-00C04FC964FF}")));
    EXPECT_TRUE(known.contains(KnownMessageGuids::zeroGuid()));
    EXPECT_TRUE(known.contains(odd));
    EXPECT_FALSE(known.contains(QStringLiteral("NOT A GUID")));
}

TEST(MessageFilesTest, ListingIsInAscendingNumberAcrossGaps)
{
    TempFolder temp;
    for (const char *name : {"Ann10.cvm", "Ann2.cvm", "Ann4.cvm", "Bob1.cvm", "Ann1.txt"})
        temp.write(QString::fromUtf8(name), "x");
    QList<qint64> numbers;
    for (const MessageFile &file : listMessageFiles(temp.path(), QStringLiteral("Ann")))
        numbers.append(file.number);
    EXPECT_EQ(numbers, (QList<qint64>{2, 4, 10}));
}

namespace {

// Two installations sharing one "Inbox Data" folder: each holds its own copy of the store.
struct SharedInboxTest : ::testing::Test
{
    TempFolder temp;
    QString path = InboxStore::pathIn(temp.path());
    InboxStore first;
    InboxStore second;

    void SetUp() override
    {
        temp.write(kInboxStoreFileName,
                   corvane::test::inboxStore({guarded("one", "{00000000-0000-0000-0000-000000000001}"),
                                              guarded("two", "{00000000-0000-0000-0000-000000000002}"),
                                              corvane::test::inboxMessage(QStringLiteral("Bob"),
                                                                          QStringLiteral("three"))}));
        first.open(path);
        second.open(path);
    }
    static QByteArray guarded(const char *subject, const char *guid)
    {
        return corvane::test::inboxMessage(QStringLiteral("Bob"), QString::fromUtf8(subject))
            .replace("<Message ", QByteArray("<Message GUID=\"" + QByteArray(guid) + "\" "));
    }
    static void take(InboxStore &store, const char *subject, const QString &guid)
    {
        store.appendMessage(receivedFile("<Message><Subject Text=\"" + QByteArray(subject) + "\"/></Message>"), &guid);
    }
    // Subject and read mark of every message in the file.
    QStringList onDisk() const
    {
        QStringList result;
        for (const InboxRow &row : corvane::test::storeInFile<InboxStore>(path)->rows())
            result.append(row.subject + u'/' + row.read);
        return result;
    }
};

} // namespace

TEST_F(SharedInboxTest, ASaveAfterTheOtherCopyTookMailKeepsItsMessagesAndNamesRecordsByIdentity)
{
    // The first copy takes mail (whose message file is then gone) and deletes "one".
    take(first, "four", QStringLiteral("{00000000-0000-0000-0000-000000000004}"));
    first.save();
    first.deleteAt(0);

    // The second, still on the file as it was, reads "three", takes "five" and deletes "two",
    // all by the positions it shows; then saves.
    second.markRead(2);
    take(second, "five", QStringLiteral("{00000000-0000-0000-0000-000000000005}"));
    second.deleteAt(1);

    EXPECT_EQ(onDisk(), (QStringList{QStringLiteral("three/Read"), QStringLiteral("four/Unread"),
                                     QStringLiteral("five/Unread")}));
    // The second copy shows what it saved.
    EXPECT_EQ(second.count(), 3);
    EXPECT_FALSE(second.readMarksUnsaved());
}

TEST_F(SharedInboxTest, AMessageBothCopiesTookIsStoredOnce)
{
    const QString guid = QStringLiteral("{00000000-0000-0000-0000-000000000004}");
    take(first, "four", guid);
    first.save();
    take(second, "four", guid);
    second.save();
    EXPECT_EQ(onDisk().size(), 4);
}

TEST_F(SharedInboxTest, AReadOnlyStoreRefusesADeletionAndKeepsItsMessages)
{
    second.setReadOnly(QStringLiteral("held elsewhere"));
    EXPECT_THROW(second.deleteAt(0), corvane::IoError);
    EXPECT_EQ(second.count(), 3);
    EXPECT_EQ(onDisk().size(), 3);
}
