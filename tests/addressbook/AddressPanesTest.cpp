// The Address Book's commands and the Address Edit pane, on a real store and grid.
#include "addressbook/widgets/AddressBookCommands.h"
#include "addressbook/widgets/AddressEditPane.h"
#include "addressbook/widgets/AddressListPane.h"

#include "FakeProbe.h"
#include "support/Accessibility.h"
#include "support/QtPrinters.h"
#include "support/StoreTexts.h"
#include "support/Strings.h"
#include "support/TempFolder.h"

#include "addressbook/AddressCollector.h"
#include "addressbook/AddressEditing.h"
#include "addressbook/AddressStore.h"
#include "platform/XmlDocument.h"
#include "sortgrid/widgets/SortGrid.h"

#include <QAccessible>
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace corvane::addressbook;
using corvane::core::Notice;
using corvane::platform::XmlDocument;
using corvane::sortgrid::TSortGrid;
using corvane::test::strings;

namespace {

QByteArray entry(const char *name, const char *inbox = "", const char *comment = "", const char *server = "False")
{
    return corvane::test::addressEntry(QString::fromUtf8(name), QString::fromUtf8(inbox), QString::fromUtf8(comment),
                                       QString::fromUtf8(server));
}

QStringList column(const TSortGrid &grid, int col)
{
    QStringList texts = grid.Cols(col);
    texts.removeFirst();
    return texts;
}

// The two panes side by side on one store, the list sorted by name, descending, as the stored sort
// of a fresh installation does; the commands' confirmations answered from `answer`.
struct AddressPanes : ::testing::Test
{
    corvane::test::TempFolder folder;
    XmlDocument document{AddressStore::initialContent()};
    AddressStore store{document};
    AddressListPane list{store};
    AddressBookCommands *commands = new AddressBookCommands(store, list);
    AddressEditPane edit{store, list};
    QStringList questions;
    bool answer = true;

    void open(const QList<QByteArray> &entries)
    {
        folder.write(kAddressStoreFileName, corvane::test::addressStore(entries));
        store.open(AddressStore::pathIn(folder.path()));
        TSortGrid &grid = *list.grid();
        grid.setColCount(5);
        grid.setRowCount(1);
        grid.setFixedRows(1);
        grid.setOptions(corvane::sortgrid::TGridOptions(corvane::sortgrid::goRowSelect));
        grid.setRows(0, strings({"Address No.", "Name", "Inbox", "Comment", "Server"}));
        list.setDisplaySort([](TSortGrid &g) {
            g.SortOnColumn(1, {corvane::sortgrid::skAuto, corvane::sortgrid::soDescending, false});
        });
        commands->setConfirm([this](QWidget *, const QString &question) {
            questions.append(question);
            return answer;
        });
        QObject::connect(commands, &AddressBookCommands::editRequested, &edit, &AddressEditPane::display);
        list.resize(600, 300);
        list.show();
        edit.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
        list.showList();
    }
    template <typename T> T *field(const char *name) const { return edit.findChild<T *>(QLatin1String(name)); }
    QString shownName() const { return field<QLineEdit>("AddressNameE")->text(); }
    void click(const char *button) const { field<QPushButton>(button)->click(); }
    void doubleClick(int row)
    {
        TSortGrid &grid = *list.grid();
        const QRect cell = grid.visualRect(grid.gridData().cellIndex(1, row));
        ASSERT_TRUE(grid.viewport()->rect().contains(cell.center())) << "row " << row;
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    }
    QStringList storedNames() const
    {
        XmlDocument copy;
        copy.loadFromFile(AddressStore::pathIn(folder.path()));
        QStringList names;
        for (const AddressEntry &e : AddressStore(copy).entries())
            names.append(e.Name);
        return names;
    }
};

TEST_F(AddressPanes, TheSortedGridDoubleClickedSavedAndDeletedAlwaysWorksOnTheEntryShown)
{
    open({entry("Bob"), entry("Zed"), entry("ann"), entry("Cid", "/s/cid/", "desk 2", "True")});
    ASSERT_EQ(column(*list.grid(), 1), strings({"Zed", "Cid", "Bob", "ann"}));

    doubleClick(2);
    EXPECT_EQ(edit.shownPosition(), 3);
    EXPECT_EQ(shownName(), QStringLiteral("Cid"));
    EXPECT_EQ(field<QLineEdit>("AddressInBoxE")->text(), QStringLiteral("/s/cid/"));
    EXPECT_EQ(field<QLineEdit>("AddressCommentE")->text(), QStringLiteral("desk 2"));
    EXPECT_TRUE(field<QCheckBox>("AddressServer")->isChecked());

    field<QLineEdit>("AddressNameE")->setText(QStringLiteral("Cyd"));
    click("AddressSaveB");
    EXPECT_EQ(storedNames(), strings({"Bob", "Zed", "ann", "Cyd"}));

    // Next follows the list's order, which now shows the saved name.
    click("AddressNextB");
    EXPECT_EQ(shownName(), QStringLiteral("Bob"));
    EXPECT_EQ(column(*list.grid(), 1), strings({"Zed", "Cyd", "Bob", "ann"}));

    list.grid()->setRow(2);
    answer = false;
    commands->DeleteAdrIClick();
    EXPECT_EQ(storedNames(), strings({"Bob", "Zed", "ann", "Cyd"})) << "No leaves the store as it was";
    answer = true;
    commands->DeleteAdrIClick();
    EXPECT_EQ(questions, QStringList(2, confirmDeleteAddressText()));
    EXPECT_EQ(storedNames(), strings({"Bob", "Zed", "ann"}));
    EXPECT_EQ(column(*list.grid(), 0), strings({"2", "1", "3"})) << "renumbered";
    EXPECT_EQ(column(*list.grid(), 1), strings({"Zed", "Bob", "ann"}));
    EXPECT_EQ(list.grid()->Row(), 2) << "the next address takes the deleted one's place";
}

TEST_F(AddressPanes, SaveWritesTheEntryShownAfterOthersWereDeletedAndRefusesWhenItIsGone)
{
    open({entry("Bob"), entry("Zed"), entry("ann", "/s/ann/")});
    ASSERT_EQ(column(*list.grid(), 1), strings({"Zed", "Bob", "ann"}));
    QSignalSpy failures(&edit, &AddressEditPane::failed);
    doubleClick(3);
    ASSERT_EQ(shownName(), QStringLiteral("ann"));

    list.grid()->setRow(2);
    commands->DeleteAdrIClick(); // "Bob", stored before the entry shown
    field<QLineEdit>("AddressNameE")->setText(QStringLiteral("Ann"));
    click("AddressSaveB");
    EXPECT_EQ(storedNames(), strings({"Zed", "Ann"}));
    EXPECT_EQ(failures.size(), 0);

    list.showList();
    list.grid()->setRow(2); // the entry shown
    commands->DeleteAdrIClick();
    click("AddressSaveB");
    EXPECT_EQ(storedNames(), strings({"Zed"}));
    EXPECT_EQ(failures.size(), 1);
}

TEST_F(AddressPanes, NextOnTheLastAddressAndPrevOnTheFirstShowItAgain)
{
    open({entry("Bob"), entry("Zed"), entry("Ann")});
    doubleClick(3);
    ASSERT_EQ(shownName(), QStringLiteral("Ann"));
    field<QLineEdit>("AddressNameE")->setText(QStringLiteral("unsaved"));
    click("AddressNextB");
    EXPECT_EQ(shownName(), QStringLiteral("Ann"));
    doubleClick(1);
    click("AddressPrevB");
    EXPECT_EQ(shownName(), QStringLiteral("Zed"));
}

TEST_F(AddressPanes, TheNamesOfferedFollowTheGridsOrderAfterBringingItUpToDate)
{
    open({entry("Bob"), entry(""), entry("Zed")});
    store.append(AddressEntry{QStringLiteral("Cid")});
    EXPECT_EQ(list.namesInShownOrder(), strings({"Zed", "Cid", "Bob"}));
}

TEST_F(AddressPanes, TheEditButtonsStaySymmetricAboutThePanesCentreAtEveryWidth)
{
    open({entry("Bob")});
    const auto centre = [&](const char *name) {
        const QPushButton *button = field<QPushButton>(name);
        return button->mapTo(&edit, QPoint(button->width() / 2, 0)).x();
    };
    for (const int width : {600, 601, 1000}) {
        edit.resize(width, 400);
        QApplication::processEvents();
        for (const auto &[left, right] : {std::pair{"AddressPrevB", "AddressNextB"}, std::pair{"AddressNewB", "AddressSaveB"}}) {
            EXPECT_LT(centre(left), width / 2) << left << " at " << width;
            EXPECT_NEAR(centre(left) + centre(right), width, 2) << left << " at " << width;
        }
    }
}

TEST_F(AddressPanes, EnterOpensAndTheDeleteKeyDeletesTheSelectedAddress)
{
    open({entry("Bob"), entry("Zed")});
    QApplication::setActiveWindow(&list);
    list.grid()->setFocus();
    list.grid()->setRow(2);
    QTest::keyClick(list.grid(), Qt::Key_Return);
    EXPECT_EQ(shownName(), QStringLiteral("Bob"));
    QTest::keyClick(list.grid(), Qt::Key_Delete);
    EXPECT_EQ(questions, QStringList{confirmDeleteAddressText()});
    EXPECT_EQ(storedNames(), strings({"Zed"}));
}

TEST_F(AddressPanes, NewPutsTheCursorInTheNameAndSaveRefusesTheEntryUntilNameAndInboxAreFilled)
{
    open({entry("Bob", "/s/bob/")});
    edit.display();
    click("AddressNewB");
    ASSERT_EQ(store.count(), 2);
    EXPECT_EQ(edit.shownPosition(), 1);
    EXPECT_EQ(list.grid()->Cells(0, list.grid()->Row()), QStringLiteral("2")) << "the new entry's row is selected";
    auto *name = field<QLineEdit>("AddressNameE");
    auto *inbox = field<QLineEdit>("AddressInBoxE");
    EXPECT_EQ(edit.focusWidget(), name);

    QList<Notice> notices;
    QObject::connect(&edit, &AddressEditPane::failed, &edit, [&](const Notice &n) { notices.append(n); });
    const auto save = [&](const char *typedName, const char *typedInbox) {
        name->setText(QString::fromUtf8(typedName));
        inbox->setText(QString::fromUtf8(typedInbox));
        inbox->setFocus();
        click("AddressSaveB");
    };
    save("", "");
    EXPECT_EQ(edit.focusWidget(), name);
    save("Cy:", "/s/cy/");
    EXPECT_EQ(edit.focusWidget(), name);
    save("Cy", "");
    EXPECT_EQ(edit.focusWidget(), inbox);
    EXPECT_EQ(store.entryAt(1), AddressEntry{}) << "refused three times";
    EXPECT_EQ(notices.size(), 3);
    for (const Notice &notice : std::as_const(notices))
        EXPECT_EQ(notice.code, Notice::Code::AddressRefused);
    EXPECT_EQ(name->text(), QStringLiteral("Cy")) << "what was typed stays";

    save("Cy", "/s/cy/");
    EXPECT_EQ(notices.size(), 3);
    EXPECT_EQ(storedNames(), strings({"Bob", "Cy"}));
}

// What leaving a folder field makes of its text is FolderFields' concern; here only that this
// field applies it.
TEST_F(AddressPanes, LeavingTheInboxFieldEndsAPathInTheSeparator)
{
    open({entry("Bob")});
    edit.display();
    auto *inbox = field<QLineEdit>("AddressInBoxE");
    inbox->setText(QStringLiteral("/s/bob"));
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(inbox, &out);
    EXPECT_EQ(inbox->text(), QStringLiteral("/s/bob") + QDir::separator());
}

TEST_F(AddressPanes, SaveNewAndDeleteAreRefusedWhileTheReachableFoldersAreCollected)
{
    open({entry("Bob", "/s/bob/"), entry("Zed", "/s/zed/")});
    corvane::test::FakeProbe probe;
    probe.hold = true;
    AddressCollector collector{store, probe};
    edit.setReader(&collector);
    commands->setReader(&collector);
    QList<Notice> notices;
    QObject::connect(&edit, &AddressEditPane::failed, &edit, [&](const Notice &n) { notices.append(n); });
    QObject::connect(commands, &AddressBookCommands::failed, commands, [&](const Notice &n) { notices.append(n); });
    doubleClick(1);
    ASSERT_EQ(collector.start({QStringLiteral("Bob")}, false, {}), std::nullopt);

    field<QLineEdit>("AddressNameE")->setText(QStringLiteral("Zoe"));
    click("AddressSaveB");
    click("AddressNewB");
    commands->DeleteAdrIClick();
    ASSERT_EQ(notices.size(), 3);
    for (const Notice &notice : notices)
        EXPECT_EQ(notice.code, Notice::Code::CollectionRunning);
    EXPECT_EQ(storedNames(), strings({"Bob", "Zed"}));
    EXPECT_TRUE(questions.isEmpty());

    probe.release(); // the collection ends: Save goes through
    click("AddressSaveB");
    EXPECT_EQ(storedNames(), strings({"Bob", "Zoe"}));
}

TEST_F(AddressPanes, EveryControlOfBothPanesIsNamedForScreenReaders)
{
    open({entry("Bob")});
    // The list: its tool bar, New Address, Delete Address and the grid; the editor: three fields,
    // Browse, the server box and four buttons.
    const corvane::test::NamedControlsWalk walk{.tooltipIsDescription = true};
    EXPECT_EQ(corvane::test::expectNamedControls(QAccessible::queryAccessibleInterface(&list), QStringLiteral("list"), walk), 4);
    EXPECT_EQ(corvane::test::expectNamedControls(QAccessible::queryAccessibleInterface(&edit), QStringLiteral("edit"), walk), 9);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(list.findChild<QToolButton *>(QStringLiteral("DeleteAdrI")))
                  ->text(QAccessible::Name),
              QStringLiteral("Delete Address"));
}

} // namespace
