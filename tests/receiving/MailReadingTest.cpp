// Which message the reader shows for a grid row, and which attachment file it opens.
#include "receiving/MailReading.h"

#include "support/OpenedStore.h"
#include "support/StoreTexts.h"
#include "support/TempFolder.h"

#include "platform/Errors.h"
#include "receiving/InboxStore.h"

#include <gtest/gtest.h>

using corvane::receiving::InboxStore;
using corvane::receiving::ReadOutcome;
using corvane::receiving::SelectedRow;

namespace {

struct ReadCase
{
    const char *what;
    SelectedRow row;
    bool afterRefill;
    ReadOutcome::Kind expected;
};

TEST(ReadSelected, ShowsAndMarksOnlyAMessageTheRowNamesAndAsksForOneRefillAtMost)
{
    const ReadCase cases[] = {
        {"no message row", {false, 1}, false, ReadOutcome::Kind::NothingSelected},
        {"a row naming no message", {true, std::nullopt}, false, ReadOutcome::Kind::RefillList},
        {"a row naming no message after the refill", {true, std::nullopt}, true, ReadOutcome::Kind::NothingSelected},
        {"a position beyond the store", {true, 2}, false, ReadOutcome::Kind::RefillList},
        {"the second message", {true, 1}, true, ReadOutcome::Kind::Shown},
    };
    for (const ReadCase &c : cases) {
        corvane::test::OpenedStore<InboxStore> opened(corvane::test::inboxStore(
            {corvane::test::inboxMessage(QStringLiteral("Ann"), QStringLiteral("one")),
             corvane::test::inboxMessage(QStringLiteral("Bob"), QStringLiteral("two"), {QStringLiteral("a.txt")})}));
        InboxStore &store = opened.store;
        const ReadOutcome outcome = readSelected(store, c.row, c.afterRefill);
        EXPECT_EQ(outcome.kind, c.expected) << c.what;
        const bool shown = c.expected == ReadOutcome::Kind::Shown;
        EXPECT_EQ(store.readMarksUnsaved(), shown) << c.what;
        if (!shown)
            continue;
        EXPECT_EQ(outcome.position, 1);
        EXPECT_EQ(outcome.message.from, QStringLiteral("Bob"));
        EXPECT_EQ(outcome.message.attachments, QStringList{QStringLiteral("a.txt")});
        EXPECT_EQ(outcome.message.bodyRtf, QStringLiteral("{\\rtf1 Hello}"));
        EXPECT_EQ(outcome.message.read, QStringLiteral("Unread")) << "as it was shown";
        EXPECT_EQ(store.shownMessage(1).read, QStringLiteral("Read"));
    }
}

TEST(ReadMarks, AreSavedOnlyWhenSetSinceTheLastSave)
{
    corvane::test::OpenedStore<InboxStore> opened(
        corvane::test::inboxStore({corvane::test::inboxMessage(QStringLiteral("Ann"), QStringLiteral("one"))}));
    opened.store.markRead(0);
    EXPECT_FALSE(corvane::test::readFile(opened.storeFile).contains("\"Read\""));
    opened.store.saveReadMarks();
    EXPECT_TRUE(corvane::test::readFile(opened.storeFile).contains("\"Read\""));
    EXPECT_FALSE(opened.store.readMarksUnsaved());
}

TEST(AttachmentToOpen, IsTheMessagesOwnCopyElseForAnOlderMessageTheFileInTheInboxFolder)
{
    using corvane::receiving::AttachmentPlaces;
    using corvane::receiving::KeptFiles;
    corvane::test::TempFolder folder;
    const QString inbox = folder.subfolder(QStringLiteral("inbox"));
    const QString data = folder.subfolder(QStringLiteral("data"));
    const QString kept = folder.subfolder(QStringLiteral("data/Attachments/{A}"));
    corvane::test::writeFile(kept + QStringLiteral("notes.txt"), "Ann's");
    corvane::test::writeFile(inbox + QStringLiteral("notes.txt"), "the inbox folder's");
    corvane::test::writeFile(inbox + QStringLiteral("old.txt"), "stored before");
    // Other users can create "inboxnotes.txt" beside a shared inbox folder: it must never be opened.
    corvane::test::writeFile(inbox.chopped(1) + QStringLiteral("old.txt"), "planted");
    const KeptFiles own{QStringLiteral("{A}"), QStringLiteral("{A}")};
    struct Case
    {
        const char *what;
        AttachmentPlaces places;
        KeptFiles files;
        QString name;
        QString expected;
    } cases[] = {
        {"the message's own folder", {inbox, data}, own, QStringLiteral("notes.txt"), kept + QStringLiteral("notes.txt")},
        {"an older copy's message, kept under its GUID", {inbox, data}, {std::nullopt, QStringLiteral("{A}")},
         QStringLiteral("notes.txt"), kept + QStringLiteral("notes.txt")},
        {"an older copy's message without GUID", {inbox, data}, {}, QStringLiteral("notes.txt"),
         inbox + QStringLiteral("notes.txt")},
        {"an older copy's message, its file not kept under its GUID", {inbox, data}, {std::nullopt, QStringLiteral("{A}")},
         QStringLiteral("old.txt"), inbox + QStringLiteral("old.txt")},
        {"folders typed without their separator", {inbox.chopped(1), data.chopped(1)},
         {std::nullopt, QStringLiteral("{B}")}, QStringLiteral("old.txt"), inbox + QStringLiteral("old.txt")},
        {"a GUID that leaves the folder", {inbox, data}, {std::nullopt, QStringLiteral("../Attachments/{A}")},
         QStringLiteral("notes.txt"), inbox + QStringLiteral("notes.txt")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(corvane::receiving::attachmentToOpen(c.places, c.files, c.name), c.expected) << c.what;

    // A message with its own folder never opens the inbox folder's file of the name.
    for (const QString &name : {QStringLiteral("old.txt"), QStringLiteral("gone.pdf"), QStringLiteral("../notes.txt"),
                                QStringLiteral("CON"), QStringLiteral("a:b"), QStringLiteral("Attach.ini"),
                                QStringLiteral("Ann1.cvm")}) {
        try {
            corvane::receiving::attachmentToOpen({inbox, data}, own, name);
            ADD_FAILURE() << name.toStdString();
        } catch (const corvane::Error &error) {
            EXPECT_TRUE(error.message().contains(QLatin1Char('"') + name + QLatin1Char('"')))
                << error.message().toStdString();
        }
    }
}

} // namespace
