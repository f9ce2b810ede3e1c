#include "shell/widgets/GridSetup.h"

#include "platform/IniFile.h"
#include "shell/Settings.h"
#include "sortgrid/widgets/SortGrid.h"

#include "support/TempFolder.h"

#include <QApplication>
#include <QHeaderView>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace corvane::shell;
using corvane::platform::IniFile;
using corvane::sortgrid::TSortGrid;
using corvane::test::TempFolder;

namespace {

class ListGridSetup : public ::testing::Test
{
protected:
    ListGridSetup() : settings(folder.file(QStringLiteral("main.ini")))
    {
        for (const GridId id : {GridId::Address, GridId::Inbox, GridId::Sent}) {
            owned.push_back(std::make_unique<TSortGrid>());
            configureListGrid(*owned.back(), id);
        }
        grids = ListGrids{owned[0].get(), owned[1].get(), owned[2].get()};
        setGridHeaders(grids);
    }

    // Inbox rows of (Msg No., From, Subject, Attachments, Date, Read).
    void fillInbox(const QList<QStringList> &rows)
    {
        grids.inbox->setRowCount(int(rows.size()) + 1);
        for (int r = 0; r < rows.size(); ++r)
            grids.inbox->setRows(r + 1, rows[r]);
    }

    QStringList inboxColumn(int col) const
    {
        QStringList texts = grids.inbox->Cols(col);
        texts.removeFirst();
        return texts;
    }

    TempFolder folder;
    IniFile settings;
    std::vector<std::unique_ptr<TSortGrid>> owned;
    ListGrids grids;
};

TEST_F(ListGridSetup, HeaderRowsCarryTheColumnTitles)
{
    EXPECT_EQ(grids.address->Rows(0), (QStringList{QStringLiteral("Address No."), QStringLiteral("Name"),
                                                   QStringLiteral("Inbox"), QStringLiteral("Comment"),
                                                   QStringLiteral("Server")}));
    EXPECT_EQ(grids.inbox->Rows(0), (QStringList{QStringLiteral("Msg No."), QStringLiteral("From"),
                                                 QStringLiteral("Subject"), QStringLiteral("Attachments"),
                                                 QStringLiteral("Date"), QStringLiteral("Read")}));
    EXPECT_EQ(grids.sent->Rows(0), (QStringList{QStringLiteral("Msg No."), QStringLiteral("To"),
                                                QStringLiteral("Subject"), QStringLiteral("Attachments"),
                                                QStringLiteral("Date")}));
    EXPECT_EQ(grids.inbox->objectName(), QStringLiteral("inboxSG"));
    EXPECT_FALSE(grids.sent->ProportionalScrollBars());
}

TEST_F(ListGridSetup, SizeColumnsAppliesDefaultWidthsWithTheNumberColumnHidden)
{
    SizeColumns(grids, settings);
    EXPECT_EQ(corvane::shell::columnWidths(*grids.address), (QList<int>{0, 60, 220, 350, 40}));
    EXPECT_EQ(corvane::shell::columnWidths(*grids.inbox), (QList<int>{0, 75, 170, 220, 130, 65}));
    EXPECT_EQ(corvane::shell::columnWidths(*grids.sent), (QList<int>{0, 75, 170, 220, 130}));
}

TEST_F(ListGridSetup, SizeColumnsSortsByTheStoredColumnAndDirectionIgnoringCase)
{
    settings.writeInteger(keys::columns, QStringLiteral("Inbox Sort"), 2);
    settings.writeInteger(keys::columns, QStringLiteral("Inbox Sort Direction"), 0);
    settings.writeInteger(keys::columns, QStringLiteral("Inbox Subject"), 99);
    fillInbox({{QStringLiteral("1"), QStringLiteral("Ann"), QStringLiteral("budget")},
               {QStringLiteral("2"), QStringLiteral("Bob"), QStringLiteral("Agenda")},
               {QStringLiteral("3"), QStringLiteral("Cid"), QStringLiteral("zoo")}});
    SizeColumns(grids, settings);
    EXPECT_EQ(grids.inbox->ColWidths(2), 99);
    EXPECT_EQ(inboxColumn(2), (QStringList{QStringLiteral("Agenda"), QStringLiteral("budget"), QStringLiteral("zoo")}));

    // The default: column 1, descending.
    applyStoredSort(*grids.inbox, GridId::Inbox, IniFile(folder.file(QStringLiteral("other.ini"))));
    EXPECT_EQ(inboxColumn(1), (QStringList{QStringLiteral("Cid"), QStringLiteral("Bob"), QStringLiteral("Ann")}));
}

TEST_F(ListGridSetup, NoStoredSortWhenSortingIsDisabled)
{
    settings.writeBool(keys::columns, keys::enableSort, false);
    fillInbox({{QStringLiteral("1"), QStringLiteral("Ann")}, {QStringLiteral("2"), QStringLiteral("Bob")}});
    SizeColumns(grids, settings);
    EXPECT_EQ(inboxColumn(1), (QStringList{QStringLiteral("Ann"), QStringLiteral("Bob")}));
}

TEST_F(ListGridSetup, AStoredColumnOutsideTheGridChangesNothing)
{
    settings.writeInteger(keys::columns, QStringLiteral("Inbox Sort"), 42);
    fillInbox({{QStringLiteral("2"), QStringLiteral("Bob")}, {QStringLiteral("1"), QStringLiteral("Ann")}});
    SizeColumns(grids, settings);
    EXPECT_EQ(inboxColumn(1), (QStringList{QStringLiteral("Bob"), QStringLiteral("Ann")}));
}

TEST_F(ListGridSetup, HeaderClicksStoreTheColumnAndDirectionForTheNextStart)
{
    installClickSortHandlers(grids, settings);
    fillInbox({{QStringLiteral("1"), QStringLiteral("b"), QStringLiteral("x")},
               {QStringLiteral("2"), QStringLiteral("a"), QStringLiteral("y")}});
    TSortGrid &grid = *grids.inbox;
    grid.setColWidths(2, 100);
    grid.resize(500, 200);
    grid.show();
    QApplication::setActiveWindow(&grid);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
    QHeaderView *header = grid.horizontalHeader();
    const QPoint subject(header->sectionViewportPosition(2) + 50, header->height() / 2);

    QTest::mouseClick(header->viewport(), Qt::RightButton, Qt::NoModifier, subject);
    ColumnSettings stored = readColumnSettings(settings);
    EXPECT_EQ(stored.inbox.sortColumn, 2);
    EXPECT_EQ(stored.inbox.sortDirection, 1);
    EXPECT_EQ(inboxColumn(2), (QStringList{QStringLiteral("y"), QStringLiteral("x")}));

    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, subject);
    stored = readColumnSettings(settings);
    EXPECT_EQ(stored.inbox.sortDirection, 0);
    EXPECT_EQ(stored.address.sortColumn, 1); // the other grids' keys are untouched
}

TEST_F(ListGridSetup, ClosingWritesTheWidthsButNeverTheNumberColumns)
{
    SizeColumns(grids, settings);
    grids.inbox->setColWidths(0, 30);
    grids.inbox->setColWidths(4, 140);
    grids.address->setColWidths(3, 300);
    writeGridWidths(grids, settings);
    EXPECT_FALSE(settings.valueExists(keys::columns, QStringLiteral("Inbox Counter")));
    EXPECT_FALSE(settings.valueExists(keys::columns, QStringLiteral("Address Counter")));
    EXPECT_FALSE(settings.valueExists(keys::columns, QStringLiteral("Sent Counter")));
    const ColumnSettings stored = readColumnSettings(settings);
    EXPECT_EQ(stored.inbox.widths, (QList<int>{0, 75, 170, 220, 140, 65}));
    EXPECT_EQ(stored.address.widths, (QList<int>{0, 60, 220, 300, 40}));
}

} // namespace
