// The address panes as the window composes them: navigation, the picker and the message boxes.
#include "shell/widgets/AddressPanes.h"
#include "shell/widgets/ListPanes.h"

#include "WindowProgram.h"
#include "support/QtPrinters.h"
#include "support/StoreTexts.h"

#include "addressbook/AddressEditing.h"
#include "addressbook/AddressStore.h"
#include "addressbook/widgets/AddressBookCommands.h"
#include "addressbook/widgets/AddressListPane.h"
#include "platform/XmlDocument.h"
#include "sortgrid/widgets/SortGrid.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace corvane::shell;
using corvane::addressbook::AddressEntry;
using corvane::addressbook::AddressStore;

namespace {

using Program = corvane::test::WindowProgram;

QList<AddressEntry> storedEntries(const Program &p)
{
    corvane::platform::XmlDocument copy;
    copy.loadFromFile(AddressStore::pathIn(p.app.path()));
    return AddressStore(copy).entries();
}

TEST(AddressPanesInTheWindow, EditAddressOnAnEmptyStoreCreatesOneEmptyEntryOnce)
{
    Program p;
    p.makeReady(static_cast<int>(Pane::InBox));
    p.open();
    p.click(Pane::AddressEdit);
    EXPECT_EQ(p.front(), QStringLiteral("AddressPan2"));
    EXPECT_EQ(p.highlighted(), static_cast<int>(Pane::AddressEdit));
    EXPECT_EQ(storedEntries(p), QList<AddressEntry>{AddressEntry{}});
    EXPECT_EQ(p.find<QLineEdit>("AddressNameE")->text(), QString());

    p.click(Pane::AddressEdit);
    EXPECT_EQ(storedEntries(p).size(), 1);
    EXPECT_TRUE(p.fakes.messages.errors.isEmpty());
}

TEST(AddressPanesInTheWindow, DeleteAsksTheWindowsQuestionAndARefusedNameIsShownAsSendingShowsIt)
{
    Program p;
    p.makeReady(static_cast<int>(Pane::AddressBook));
    p.app.write(corvane::addressbook::kAddressStoreFileName,
                corvane::test::addressStore({corvane::test::addressEntry(QStringLiteral("Bob"), {}, {}, QStringLiteral("False")),
                                             corvane::test::addressEntry(QStringLiteral("Cid"), {}, {}, QStringLiteral("False"))}));
    p.open();
    ASSERT_EQ(p.front(), QStringLiteral("AddressPan"));
    corvane::sortgrid::TSortGrid &grid = *p.window->listPanes()->address()->grid();
    grid.setRow(2); // sorted by name, descending: Bob
    Q_EMIT p.window->addressPanes()->commands()->editRequested();
    EXPECT_EQ(p.front(), QStringLiteral("AddressPan2"));
    EXPECT_EQ(p.highlighted(), static_cast<int>(Pane::AddressEdit));
    EXPECT_EQ(p.find<QLineEdit>("AddressNameE")->text(), QStringLiteral("Bob"));

    p.find<QLineEdit>("AddressNameE")->setText(QStringLiteral("Bob:1"));
    p.find<QPushButton>("AddressSaveB")->click();
    ASSERT_EQ(p.fakes.messages.notices.size(), 1);
    EXPECT_TRUE(p.fakes.messages.notices.first().text.contains(
        corvane::addressbook::nameCannotBeFileName(QStringLiteral("Bob:1"))));

    p.click(Pane::AddressBook);
    grid.setRow(2);
    p.fakes.messages.answer = false;
    p.window->addressPanes()->commands()->deleteAction()->trigger();
    EXPECT_EQ(p.fakes.messages.questions, QStringList{corvane::addressbook::confirmDeleteAddressText()});
    EXPECT_EQ(storedEntries(p).size(), 2);
}

TEST(AddressPanesInTheWindow, NewAddressOpensEditAddressOnANewEntryLeavingTheSelectedOneAlone)
{
    Program p;
    p.makeReady(static_cast<int>(Pane::AddressBook));
    const AddressEntry bob{QStringLiteral("Bob"), QStringLiteral("/s/bob/"), {}, false};
    p.app.write(corvane::addressbook::kAddressStoreFileName,
                corvane::test::addressStore({corvane::test::addressEntry(bob.Name, bob.Inbox, {}, QStringLiteral("False"))}));
    p.open();
    ASSERT_EQ(p.front(), QStringLiteral("AddressPan"));
    p.window->listPanes()->address()->grid()->setRow(1);
    p.find<QToolButton>("NewAdrI")->click();
    EXPECT_EQ(p.front(), QStringLiteral("AddressPan2"));
    EXPECT_EQ(p.highlighted(), static_cast<int>(Pane::AddressEdit));
    auto *name = p.find<QLineEdit>("AddressNameE");
    EXPECT_EQ(name->text(), QString());
    EXPECT_EQ(p.window->focusWidget(), name);

    const AddressEntry cy{QStringLiteral("Cy"), QStringLiteral("/s/cy/"), {}, false};
    name->setText(cy.Name);
    p.find<QLineEdit>("AddressInBoxE")->setText(cy.Inbox);
    p.find<QPushButton>("AddressSaveB")->click();
    EXPECT_EQ(storedEntries(p), (QList<AddressEntry>{bob, cy}));
}

TEST(AddressPanesInTheWindow, BrowseStartsAtTheFolderLastBrowsedAndCancelKeepsTheField)
{
    Program p;
    p.makeReady(static_cast<int>(Pane::AddressEdit));
    p.open();
    const QString shared = p.app.subfolder(QStringLiteral("shared"));
    // The settings pane's Browse remembers its field's folder.
    p.fakes.dialogs.folderAnswer.reset();
    p.find<QLineEdit>("AddresLocE")->setText(shared);
    p.find<QPushButton>("Button2")->click();

    p.click(Pane::AddressEdit);
    auto *inbox = p.find<QLineEdit>("AddressInBoxE");
    inbox->setText(QStringLiteral("typed"));
    p.find<QPushButton>("AddressInBoxB")->click();
    EXPECT_EQ(p.fakes.dialogs.askedTitle, QStringLiteral("Select Directory"));
    EXPECT_EQ(p.fakes.dialogs.askedStart, shared);
    EXPECT_EQ(inbox->text(), QStringLiteral("typed"));

    const QString bob = p.app.subfolder(QStringLiteral("shared/bob"));
    p.fakes.dialogs.folderAnswer = QDir::fromNativeSeparators(bob).chopped(1);
    p.find<QPushButton>("AddressInBoxB")->click();
    EXPECT_EQ(inbox->text(), bob);
    p.find<QPushButton>("AddressInBoxB")->click();
    EXPECT_EQ(p.fakes.dialogs.askedStart, bob.chopped(1)) << "the folder chosen last";
}

} // namespace
