#include "shell/widgets/GridSetup.h"
#include "shell/widgets/ListPanes.h"
#include "shell/widgets/MainWindow.h"
#include "shell/widgets/PaneStack.h"

#include "WindowProgram.h"
#include "support/QtPrinters.h"
#include "support/StoreTexts.h"

#include "platform/IniFile.h"
#include "shell/Settings.h"
#include "sortgrid/widgets/SortGrid.h"
#include "ui/widgets/FindField.h"
#include "ui/widgets/OutlookBar.h"

#include "GridTexts.h"
#include "support/Strings.h"
#include "support/TempFolder.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

using namespace corvane::shell;
using corvane::platform::IniFile;
using corvane::sortgrid::TSortGrid;
using corvane::test::dataColumn;
using corvane::test::dataRows;
using corvane::test::inboxMessage;
using corvane::test::strings;
using corvane::test::inboxStore;
using corvane::test::TempFolder;

namespace {

using Program = corvane::test::WindowProgram;

TSortGrid &gridOf(const Program &p, GridId id) { return *p.window->listPanes()->grids().grid(id); }

void clickHeader(TSortGrid &grid, int col, Qt::MouseButton button)
{
    QApplication::setActiveWindow(grid.window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(grid.window()));
    QHeaderView *header = grid.horizontalHeader();
    const QPoint point(header->sectionViewportPosition(col) + header->sectionSize(col) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), button, Qt::NoModifier, point);
}

TEST(WindowLists, StartUpSetsTheHeadersAndStoredWidthsAlsoWhenTheProgramIsNotReady)
{
    Program p;
    IniFile ini = p.ini();
    ini.writeInteger(keys::columns, QStringLiteral("Inbox From"), 90);
    ini.writeInteger(keys::columns, QStringLiteral("Address Name"), 70);
    ini.writeInteger(keys::columns, QStringLiteral("Sent Date"), 140);
    MainWindow &window = p.open();
    ASSERT_EQ(p.front(), QStringLiteral("SettingsPan"));

    const std::pair<GridId, const char *> panes[] = {
        {GridId::Inbox, "InBoxPan"}, {GridId::Sent, "SentPan"}, {GridId::Address, "AddressPan"}};
    for (const auto &[id, paneName] : panes) {
        EXPECT_EQ(gridOf(p, id).Rows(0), gridHeaderTexts(id)) << paneName;
        EXPECT_TRUE(window.findChild<QWidget *>(QLatin1String(paneName))->isAncestorOf(&gridOf(p, id))) << paneName;
    }
    EXPECT_EQ(columnWidths(gridOf(p, GridId::Inbox)), (QList<int>{0, 90, 170, 220, 130, 65}));
    EXPECT_EQ(columnWidths(gridOf(p, GridId::Address)), (QList<int>{0, 70, 220, 350, 40}));
    EXPECT_EQ(columnWidths(gridOf(p, GridId::Sent)), (QList<int>{0, 75, 170, 220, 140, 150}));

    // Save runs the start-up sequence again, which reads the widths again (a missing inbox keeps
    // the program not ready).
    ini.writeInteger(keys::columns, QStringLiteral("Inbox Subject"), 111);
    window.findChild<QLineEdit *>(QStringLiteral("YourNameE"))->setText(QStringLiteral("Ann"));
    window.findChild<QLineEdit *>(QStringLiteral("YourInBoxE"))->setText(p.app.path() + QStringLiteral("nowhere"));
    window.findChild<QPushButton *>(QStringLiteral("SettingSaveB"))->click();
    EXPECT_EQ(gridOf(p, GridId::Inbox).ColWidths(2), 111);
}

TEST(WindowLists, CheckMailListsTheNewMessageInTheInBoxWithItsNumber)
{
    Program p;
    p.makeReady(static_cast<int>(Pane::SentItems));
    p.open();
    const QString inbox = p.app.path() + QStringLiteral("inbox") + QDir::separator();
    auto deliver = [&](const char *file, const char *from, const char *guid) {
        corvane::test::writeFile(
            inbox + QLatin1String(file),
            QByteArray("<?xml version=\"1.0\"?><Corvane><Message><To><Recipient Name=\"Ann\"/></To><From Name=\"")
                + from
                + "\"/><Subject Text=\"Lunch?\"/><Attachments/><Date Value=\"12/7/2026 12:00:00 PM\"/>"
                  "<Body>{\\rtf1 Hi}</Body></Message><System Active=\"False\" GUID=\""
                + guid + "\"><Version Number=\"3.0.0.0\"/></System></Corvane>");
    };
    deliver("Ann1.cvm", "Bob", "{6F9619FF-8B86-D011-B42D-00C04FC964FF}");
    ASSERT_TRUE(p.checkMail());
    ASSERT_EQ(p.front(), QStringLiteral("InBoxPan"));
    EXPECT_EQ(dataRows(gridOf(p, GridId::Inbox)),
              QList<QStringList>{strings({"1", "Bob", "Lunch?", "", "12/7/2026 12:00:00 PM", "Unread"})});

    deliver("Ann1.cvm", "Zed", "{7F9619FF-8B86-D011-B42D-00C04FC964FF}");
    ASSERT_TRUE(p.checkMail());
    EXPECT_EQ(dataColumn(gridOf(p, GridId::Inbox), 0), strings({"2", "1"})) << "sorted by From, descending";
    EXPECT_EQ(dataColumn(gridOf(p, GridId::Inbox), 1), strings({"Zed", "Bob"}));
    EXPECT_TRUE(p.fakes.messages.errors.isEmpty());
}

struct ListCase
{
    Pane pane;
    GridId grid;
    const char *storeFile;
    QByteArray store;
    QList<QStringList> rows;
};

void PrintTo(const ListCase &c, std::ostream *os)
{
    *os << c.storeFile;
}

class PaneList : public ::testing::TestWithParam<ListCase>
{
};

TEST_P(PaneList, ShowingThePaneListsItsStoreInStoreOrderWhenSortingIsOff)
{
    Program p;
    p.makeReady(static_cast<int>(Pane::Settings));
    p.ini().writeBool(keys::columns, keys::enableSort, false);
    p.app.write(QLatin1String(GetParam().storeFile), GetParam().store);
    p.open();
    p.click(GetParam().pane);
    EXPECT_EQ(p.front(), paneInfo(GetParam().pane).paneName);
    EXPECT_EQ(dataRows(gridOf(p, GetParam().grid)), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Stores, PaneList,
    ::testing::Values(
        ListCase{Pane::InBox, GridId::Inbox, "InBox.cvi",
                 inboxStore({inboxMessage(QStringLiteral("Bob"), QStringLiteral("Plans"),
                                          {QStringLiteral("a.txt"), QStringLiteral("b.txt")}),
                             inboxMessage(QStringLiteral("Ann"), QStringLiteral("Re: Plans"), {},
                                          QStringLiteral("12/8/2026"), QStringLiteral("Read"))}),
                 {strings({"1", "Bob", "Plans", "a.txt, b.txt", "12/7/2026 12:00:00 PM", "Unread"}),
                  strings({"2", "Ann", "Re: Plans", "", "12/8/2026", "Read"})}},
        ListCase{Pane::SentItems, GridId::Sent, "Sent Items.cva",
                 corvane::test::sentStore(
                     {corvane::test::sentMessage({QStringLiteral("Bob")}, QStringLiteral("Hi"), {},
                                                 QStringLiteral("12/1/2026 8:00:00 AM")),
                      corvane::test::sentMessage({QStringLiteral("Ann"), QStringLiteral("Cid")}, QStringLiteral("Files"),
                                                 {QStringLiteral("/home/ann/x.pdf")}, QStringLiteral("12/2/2026"))}),
                 {strings({"1", "Bob, ", "Hi", "", "12/1/2026 8:00:00 AM", ""}),
                  strings({"2", "Ann, Cid, ", "Files", "x.pdf, ", "12/2/2026", ""})}},
        ListCase{Pane::AddressBook, GridId::Address, "address list.cva",
                 corvane::test::addressStore(
                     {corvane::test::addressEntry(QStringLiteral("Zed"), QStringLiteral("/s/zed/"), QStringLiteral("desk"),
                                                  QStringLiteral("False")),
                      corvane::test::addressEntry(QStringLiteral("Hub"), QStringLiteral("/s/hub/"), QString(),
                                                  QStringLiteral("True"))}),
                 {strings({"1", "Zed", "/s/zed/", "desk", "False"}), strings({"2", "Hub", "/s/hub/", "", "True"})}}));

TEST(WindowLists, AHeaderClickStoresTheInboxSortAndTheNextStartShowsTheInBoxSoSorted)
{
    Program p;
    p.makeReady(static_cast<int>(Pane::InBox));
    p.app.write(QStringLiteral("InBox.cvi"),
                inboxStore({inboxMessage(QStringLiteral("Bob"), QStringLiteral("budget")),
                            inboxMessage(QStringLiteral("Ann"), QStringLiteral("zoo")),
                            inboxMessage(QStringLiteral("Cid"), QStringLiteral("agenda"))}));
    p.open();
    ASSERT_EQ(p.front(), QStringLiteral("InBoxPan"));
    EXPECT_EQ(dataColumn(gridOf(p, GridId::Inbox), 1), strings({"Cid", "Bob", "Ann"}));

    clickHeader(gridOf(p, GridId::Inbox), 2, Qt::LeftButton);
    EXPECT_EQ(p.ini().readInteger(keys::columns, QStringLiteral("Inbox Sort"), -1), 2);
    EXPECT_EQ(p.ini().readInteger(keys::columns, QStringLiteral("Inbox Sort Direction"), -1), 0);
    EXPECT_EQ(dataColumn(gridOf(p, GridId::Inbox), 2), strings({"agenda", "budget", "zoo"}));
    clickHeader(gridOf(p, GridId::Inbox), 2, Qt::RightButton);
    EXPECT_EQ(p.ini().readInteger(keys::columns, QStringLiteral("Inbox Sort Direction"), -1), 1);
    EXPECT_FALSE(p.ini().valueExists(keys::columns, QStringLiteral("Address Sort"))) << "other grids untouched";

    p.window.reset();
    p.open();
    EXPECT_EQ(dataColumn(gridOf(p, GridId::Inbox), 2), strings({"zoo", "budget", "agenda"}));
    EXPECT_EQ(dataColumn(gridOf(p, GridId::Inbox), 0), strings({"2", "1", "3"}));
}

TEST(WindowLists, AHeaderClickThatCannotBeStoredIsShownByTheWindow)
{
    Program p;
    p.makeReady(static_cast<int>(Pane::InBox));
    p.app.write(QStringLiteral("InBox.cvi"), inboxStore({inboxMessage(QStringLiteral("Bob"), QStringLiteral("a")),
                                                         inboxMessage(QStringLiteral("Cid"), QStringLiteral("b"))}));
    p.open();
    // A folder where the settings file should be: it cannot be written.
    QFile::remove(p.app.file(QStringLiteral("main.ini")));
    QDir(p.app.path()).mkdir(QStringLiteral("main.ini"));
    clickHeader(gridOf(p, GridId::Inbox), 2, Qt::LeftButton);
    ASSERT_EQ(p.fakes.messages.codes(), QList{corvane::core::Notice::Code::GridActionFailed});
    EXPECT_TRUE(p.fakes.messages.errors.first().startsWith(QStringLiteral("Unable to write to")));
    EXPECT_EQ(dataColumn(gridOf(p, GridId::Inbox), 1), strings({"Cid", "Bob"})) << "the click did not sort";
}

TEST(WindowLists, SaveWithAnotherInboxFolderListsThatFoldersStoreAtTheNextDisplay)
{
    Program p;
    p.makeReady(static_cast<int>(Pane::InBox));
    p.app.write(QStringLiteral("InBox.cvi"), inboxStore({inboxMessage(QStringLiteral("Bob"), QStringLiteral("old"))}));
    p.open();
    ASSERT_EQ(gridOf(p, GridId::Inbox).RowCount(), 2);

    const QString other = p.app.subfolder(QStringLiteral("other"));
    corvane::test::writeFile(other + QStringLiteral("InBox.cvi"),
                             inboxStore({inboxMessage(QStringLiteral("Cid"), QStringLiteral("new")),
                                         inboxMessage(QStringLiteral("Dan"), QStringLiteral("new"))}));
    p.window->findChild<QLineEdit *>(QStringLiteral("InBoxLocE"))->setText(other);
    p.window->findChild<QPushButton *>(QStringLiteral("SettingSaveB"))->click();
    p.click(Pane::InBox);
    EXPECT_EQ(dataColumn(gridOf(p, GridId::Inbox), 1), strings({"Dan", "Cid"}));
}

TEST(WindowLists, CtrlFFocusesTheFindFieldOfTheListShown)
{
    Program p;
    p.makeReady(static_cast<int>(Pane::InBox));
    p.app.write(QStringLiteral("InBox.cvi"), inboxStore({inboxMessage(QStringLiteral("Bob"), QStringLiteral("a")),
                                                         inboxMessage(QStringLiteral("Cid"), QStringLiteral("b"))}));
    MainWindow &window = p.open();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const auto findOf = [&](const char *paneName) {
        return window.findChild<QWidget *>(QLatin1String(paneName))->findChild<corvane::ui::FindField *>();
    };
    for (const auto &[pane, paneName] : {std::pair{Pane::InBox, "InBoxPan"}, std::pair{Pane::SentItems, "SentPan"}}) {
        p.click(pane);
        QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, Qt::Key_F, Qt::ControlModifier);
        EXPECT_EQ(QApplication::focusWidget(), findOf(paneName)) << paneName;
    }
    p.click(Pane::InBox);
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("CID"));
    EXPECT_EQ(dataColumn(gridOf(p, GridId::Inbox), 1), strings({"Cid"}));
}

TEST(WindowLists, ClosingWritesTheGridWidthsButNeverTheCounterColumns)
{
    Program p;
    p.open();
    gridOf(p, GridId::Inbox).setColWidths(0, 40);
    gridOf(p, GridId::Inbox).setColWidths(1, 95);
    gridOf(p, GridId::Address).setColWidths(0, 30);
    gridOf(p, GridId::Address).setColWidths(4, 44);
    gridOf(p, GridId::Sent).setColWidths(2, 180);
    p.window.reset();

    const IniFile ini = p.ini();
    for (const char *counter : {"Inbox Counter", "Address Counter", "Sent Counter"})
        EXPECT_FALSE(ini.valueExists(keys::columns, QLatin1String(counter))) << counter;
    const ColumnSettings stored = readColumnSettings(ini);
    EXPECT_EQ(stored.inbox.widths, (QList<int>{0, 95, 170, 220, 130, 65}));
    EXPECT_EQ(stored.address.widths, (QList<int>{0, 60, 220, 350, 44}));
    EXPECT_EQ(stored.sent.widths, (QList<int>{0, 75, 180, 220, 130, 150}));
}

} // namespace
