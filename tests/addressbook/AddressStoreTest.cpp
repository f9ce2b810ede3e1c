#include "addressbook/AddressStore.h"

#include "platform/XmlNodes.h"
#include "support/OpenedStore.h"
#include "support/RevisionSteps.h"

#include "platform/XmlDocument.h"

#include <gtest/gtest.h>

using corvane::addressbook::AddressEntry;
using corvane::addressbook::AddressStore;
using corvane::platform::XmlDocument;

namespace {

struct AddressStoreTest : ::testing::Test, corvane::test::OpenedStore<AddressStore>
{
    QList<AddressEntry> reread() const
    {
        XmlDocument copy;
        copy.loadFromFile(storeFile);
        return AddressStore(copy).entries();
    }
};

AddressEntry entry(const char *name, const char *inbox, bool server = false)
{
    return {QString::fromUtf8(name), QString::fromUtf8(inbox), {}, server};
}

} // namespace

TEST_F(AddressStoreTest, CreatesAnEmptyStoreWhenNoFileExists)
{
    XmlDocument copy;
    copy.loadFromFile(storeFile);
    EXPECT_STREQ(copy.root().name(), "Addressbook");
    EXPECT_TRUE(copy.root().child("Addresses"));
    EXPECT_EQ(store.count(), 0);
}

TEST_F(AddressStoreTest, NewEntryIsSavedEmptyWithServerFalseInAttributeOrder)
{
    store.append();
    XmlDocument copy;
    copy.loadFromFile(storeFile);
    EXPECT_TRUE(copy.toBytes().contains(R"(<Address Name="" Inbox="" Comment="" Server="False")"));
    EXPECT_EQ(reread(), QList<AddressEntry>{AddressEntry{}});
}

TEST_F(AddressStoreTest, DeletingAnEntryMovesLaterOnesUpAndDuplicatesAreKept)
{
    store.append(entry("Ann", "/a/"));
    store.append(entry("Bob", "/b/"));
    store.append(entry("Ann", "/c/", true));
    store.remove(1);
    EXPECT_EQ(reread(), (QList<AddressEntry>{entry("Ann", "/a/"), entry("Ann", "/c/", true)}));
}

TEST_F(AddressStoreTest, UpdateAndSpecialCharactersRoundTrip)
{
    store.append();
    const AddressEntry tricky{QStringLiteral("O'Neil & <Sons> \"Ltd\""), QStringLiteral("/x & y/"),
                              QStringLiteral("a < b"), true};
    store.update(0, tricky);
    EXPECT_EQ(reread(), QList<AddressEntry>{tricky});
}

TEST_F(AddressStoreTest, EveryEditAndOpenRaisesTheRevision)
{
    const std::vector<corvane::test::RevisionStep> steps{
        {"new", [&] { store.append(); }},
        {"save", [&] { store.update(0, entry("Ann", "/a/")); }},
        {"delete", [&] { store.remove(0); }},
        {"open", [&] { store.open(storeFile); }},
    };
    corvane::test::expectRevisionSteps(store, steps);
}

TEST_F(AddressStoreTest, AnythingButTrueIsNotAServer)
{
    reopenWith(
        R"(<Addressbook><Addresses><Address Name="A" Server="true"/><Other Name="B" Server="True"/></Addresses></Addressbook>)");
    const QList<AddressEntry> entries = store.entries();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_FALSE(entries[0].Server);
    EXPECT_TRUE(entries[1].Server); // every child of Addresses is an entry, whatever its tag
}

TEST_F(AddressStoreTest, AMissingPositionIsAnError)
{
    EXPECT_THROW(store.remove(0), corvane::Error);
    EXPECT_THROW(store.entryAt(3), corvane::Error);
}

TEST_F(AddressStoreTest, EditsOfTwoCopiesOfTheStoreAreBothKept)
{
    store.append(entry("Ann", "\\\\srv\\ann\\"));
    store.append(entry("Bob", "\\\\srv\\bob\\"));
    XmlDocument otherDocument{AddressStore::initialContent()};
    AddressStore other{otherDocument};
    other.open(storeFile);

    store.append(entry("Cy", "\\\\srv\\cy\\"));
    other.remove(0);
    other.update(0, entry("Bob", "\\\\srv\\bob2\\"));

    EXPECT_EQ(reread(), (QList<AddressEntry>{entry("Bob", "\\\\srv\\bob2\\"), entry("Cy", "\\\\srv\\cy\\")}));
}
