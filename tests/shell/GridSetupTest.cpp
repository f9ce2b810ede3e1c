#include "shell/widgets/GridSetup.h"

#include "platform/IniFile.h"
#include "shell/Settings.h"
#include "sortgrid/widgets/SortGrid.h"

#include "support/TempFolder.h"


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
                                                QStringLiteral("Date"), QStringLiteral("Delivery")}));
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

} // namespace
