// The list panes as the window sets them up: names, grids, fills and stored sorts.
#include "shell/widgets/GridSetup.h"
#include "shell/widgets/ListPanes.h"

#include "support/OpenedStore.h"
#include "support/QtPrinters.h"
#include "support/ReceivedFile.h"
#include "support/StoreTexts.h"

#include "platform/IniFile.h"
#include "receiving/InboxStore.h"
#include "receiving/widgets/InboxPane.h"
#include "shell/Settings.h"
#include "sortgrid/widgets/SortGrid.h"
#include "ui/widgets/FindField.h"

#include "GridTexts.h"
#include "support/Strings.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace corvane::shell;
using corvane::platform::IniFile;
using corvane::receiving::InboxStore;
using corvane::receiving::InboxPane;
using corvane::ui::ListPane;
using corvane::sortgrid::GridFill;
using corvane::sortgrid::TSortGrid;
using corvane::test::dataColumn;
using corvane::test::inboxMessage;
using corvane::test::strings;

namespace {

// An inbox pane over an empty store, with its grid's headers set as at start-up.
class InboxList : public ::testing::Test, protected corvane::test::OpenedStore<InboxStore>
{
protected:
    InboxList() : OpenedStore(corvane::test::inboxStore({})), settings(temp.file(QStringLiteral("main.ini")))
    {
        pane = std::make_unique<InboxPane>(store);
        setUpListPane(*pane, Pane::InBox, GridId::Inbox, settings);
        setGridHeaders(ListGrids{nullptr, pane->grid(), nullptr});
    }

    void append(const QString &from, const QString &subject, const QByteArray &body = "{\\rtf1 Hello}")
    {
        store.appendMessage(corvane::test::receivedFile(inboxMessage(from, subject).replace("{\\rtf1 Hello}", body)),
                            nullptr);
    }
    // The inbox sort stored by a header click.
    void storeSort(int column, int direction)
    {
        settings.writeInteger(keys::columns, QStringLiteral("Inbox Sort"), column);
        settings.writeInteger(keys::columns, QStringLiteral("Inbox Sort Direction"), direction);
    }
    TSortGrid &grid() const { return *pane->grid(); }

    IniFile settings;
    std::unique_ptr<InboxPane> pane;
};

TEST_F(InboxList, AnEmptyStoreLeavesTheHeaderAlone)
{
    EXPECT_EQ(pane->showList(), ListPane::Shown::Refilled);
    EXPECT_EQ(grid().RowCount(), 1);
    EXPECT_EQ(grid().FixedRows(), 1);
    EXPECT_EQ(grid().Cells(1, 0), QStringLiteral("From"));
    EXPECT_FALSE(pane->InboxDirty());
}

TEST_F(InboxList, TheGridIsFilledAgainOnlyWhenTheStoreChanged)
{
    append(QStringLiteral("Bob"), QStringLiteral("one"));
    EXPECT_EQ(pane->showList(), ListPane::Shown::Refilled);
    ASSERT_EQ(grid().RowCount(), 2);
    EXPECT_EQ(pane->showList(), ListPane::Shown::Kept);

    append(QStringLiteral("Cid"), QStringLiteral("two"));
    EXPECT_TRUE(pane->InboxDirty());
    EXPECT_EQ(pane->showList(), ListPane::Shown::Refilled);
    EXPECT_EQ(dataColumn(grid(), 1), (QStringList{QStringLiteral("Cid"), QStringLiteral("Bob")}))
        << "sorted by the default From, descending";
    EXPECT_EQ(dataColumn(grid(), 0), (QStringList{QStringLiteral("2"), QStringLiteral("1")}));
    EXPECT_FALSE(pane->InboxDirty());
}

TEST_F(InboxList, TheStoredSortIsAppliedAgainAfterEachRefill)
{
    storeSort(2, 0);
    for (const char *subject : {"budget", "Zoo", "agenda"})
        append(QStringLiteral("Bob"), QString::fromUtf8(subject));
    pane->showList();
    EXPECT_EQ(dataColumn(grid(), 2), strings({"agenda", "budget", "Zoo"}));

    append(QStringLiteral("Bob"), QStringLiteral("Apples"));
    pane->showList();
    EXPECT_EQ(dataColumn(grid(), 2), strings({"agenda", "Apples", "budget", "Zoo"}));
    EXPECT_EQ(dataColumn(grid(), 0), strings({"3", "4", "1", "2"}));

    settings.writeBool(keys::columns, keys::enableSort, false);
    store.documentReloaded();
    pane->showList();
    EXPECT_EQ(dataColumn(grid(), 2), strings({"budget", "Zoo", "agenda", "Apples"})) << "store order";
}

// Fills that yield after every 64 rows and run the given step at each yield.
// Makes the pane fill in short steps and runs `step` after each of them.
void stepWith(ListPane &pane, std::function<void()> step)
{
    pane.setFillOptions({.sliceMs = 0});
    QObject::connect(pane.findChild<GridFill *>(), &GridFill::progress, &pane, std::move(step));
}

bool waitUntilShown(ListPane &pane)
{
    QSignalSpy shown(&pane, &ListPane::listShown);
    return shown.wait(10000);
}

TEST_F(InboxList, AChangeToTheStoreWhileTheListFillsStartsTheFillAgain)
{
    for (int i = 0; i < 200; ++i)
        append(QStringLiteral("Bob"), QStringLiteral("old %1").arg(i));
    int steps = 0;
    stepWith(*pane, [&] {
        if (++steps == 1) { // new mail arrives
            append(QStringLiteral("Zed"), QStringLiteral("new"));
        } else if (steps == 2) { // the message the fill reads next is deleted
            store.deleteAt(64);
        }
    });
    EXPECT_EQ(pane->showList(), ListPane::Shown::Filling);
    ASSERT_TRUE(waitUntilShown(*pane));
    EXPECT_GT(steps, 2);
    EXPECT_FALSE(pane->InboxDirty());
    ASSERT_EQ(grid().RowCount(), 201);
    EXPECT_EQ(grid().Rows(1).mid(0, 3), strings({"200", "Zed", "new"}));
    QStringList subjects = dataColumn(grid(), 2);
    EXPECT_FALSE(subjects.contains(QStringLiteral("old 64")));
    EXPECT_TRUE(subjects.contains(QStringLiteral("old 65")));
    EXPECT_EQ(dataColumn(grid(), 0).last(), QStringLiteral("199"));
}

TEST_F(InboxList, ShowingThePaneAgainWhileItFillsEndsWithOneCompleteSortedList)
{
    for (int i = 0; i < 200; ++i)
        append(QStringLiteral("Bob %1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("old"));
    int steps = 0;
    QStringList ran;
    stepWith(*pane, [&] {
        if (++steps == 1) {
            append(QStringLiteral("Zed"), QStringLiteral("new"));
            // The mail check brings the InBox up again: its display takes the fill over.
            pane->showList([&] { ran << QStringLiteral("second"); });
        }
    });
    QSignalSpy shown(pane.get(), &ListPane::listShown);
    pane->showList([&] { ran << QStringLiteral("first"); });
    ASSERT_TRUE(shown.wait(10000));
    QCoreApplication::processEvents();
    EXPECT_EQ(shown.size(), 1);
    EXPECT_EQ(ran, strings({"second"}));
    EXPECT_EQ(grid().RowCount(), 202);
    EXPECT_EQ(grid().Cells(1, 1), QStringLiteral("Zed"));
    EXPECT_EQ(grid().Cells(1, 201), QStringLiteral("Bob 000"));
    EXPECT_FALSE(pane->InboxDirty());
}

TEST_F(InboxList, FindKeepsItsMessagesInTheStoredSortThroughADeletion)
{
    storeSort(2, 0);
    append(QStringLiteral("Bob"), QStringLiteral("Café plans"));
    append(QStringLiteral("Zoë"), QStringLiteral("agenda"), "{\\rtf1 Lunch at the CAF\\'c9 at noon}");
    append(QStringLiteral("Ann"), QStringLiteral("Budget"));
    append(QStringLiteral("Cid"), QStringLiteral("Re: cafe PLANS"));
    pane->showList();
    corvane::ui::FindField &find = *pane->findField();
    EXPECT_EQ(find.accessibleName(), QStringLiteral("Find"));
    EXPECT_FALSE(find.accessibleDescription().isEmpty());

    find.setText(QStringLiteral("cafe"));
    // The subjects match at once, the body once its plain text is known.
    EXPECT_TRUE(QTest::qWaitFor([&] { return grid().RowCount() == 4; }, 5000));
    EXPECT_EQ(dataColumn(grid(), 2), strings({"agenda", "Café plans", "Re: cafe PLANS"}));

    // A header click stores a descending sort; the list shows it at once.
    storeSort(2, 1);
    pane->showList();
    EXPECT_EQ(dataColumn(grid(), 0), strings({"4", "1", "2"}));
    // The middle row's message goes, found through its Msg No.
    store.deleteAt(grid().Cells(0, 2).toInt() - 1);
    EXPECT_EQ(pane->showList(), ListPane::Shown::Refilled);
    EXPECT_EQ(dataColumn(grid(), 2), strings({"Re: cafe PLANS", "agenda"})) << "the find still holds";
    EXPECT_EQ(dataColumn(grid(), 0), strings({"3", "1"}));
    EXPECT_EQ(store.rowAt(1).subject, QStringLiteral("Budget"));
    // New mail: the bodies read before still follow their messages; the new body comes in later.
    append(QStringLiteral("Eve"), QStringLiteral("notes"), "{\\rtf1 caf\\'e9}");
    pane->showList();
    EXPECT_EQ(dataColumn(grid(), 2), strings({"Re: cafe PLANS", "agenda"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return grid().RowCount() == 4; }, 5000));
    EXPECT_EQ(dataColumn(grid(), 2), strings({"Re: cafe PLANS", "notes", "agenda"}));

    QTest::keyClick(&find, Qt::Key_Escape);
    EXPECT_TRUE(find.text().isEmpty());
    EXPECT_EQ(dataColumn(grid(), 2), strings({"Re: cafe PLANS", "notes", "Budget", "agenda"}));
}

TEST_F(InboxList, TheSelectedMessageStaysSelectedWhenARefillPutsAnotherInItsRow)
{
    storeSort(2, 0);
    for (const char *subject : {"zoo", "plans", "budget"})
        append(QStringLiteral("Bob"), QString::fromUtf8(subject));
    pane->showList();
    grid().setRow(1); // "budget", Msg No. 3
    const auto selectedSubject = [&] { return grid().Cells(2, grid().Row()); };

    append(QStringLiteral("Cid"), QStringLiteral("agenda")); // new mail sorts before it
    pane->showList();
    EXPECT_EQ(selectedSubject(), QStringLiteral("budget"));
    store.markRead(0); // a read mark refills too
    pane->showList();
    EXPECT_EQ(selectedSubject(), QStringLiteral("budget"));
    store.deleteAt(0); // an earlier message goes: "budget" is numbered 2 now
    pane->showList();
    EXPECT_EQ(selectedSubject(), QStringLiteral("budget"));
    EXPECT_EQ(pane->selectedStorePosition(), std::optional<int>(1));
}

TEST_F(InboxList, DeleteRemovesTheMessageChosenBeforeTheQuestionOrRefusesWhenItIsGone)
{
    storeSort(2, 0);
    for (const char *subject : {"zoo", "plans", "budget"})
        append(QStringLiteral("Bob"), QString::fromUtf8(subject));
    const auto subjects = [&] {
        QStringList all;
        for (int i = 0; i < store.count(); ++i)
            all.append(store.rowAt(i).subject);
        return all;
    };
    QList<corvane::core::Notice::Code> failures;
    QObject::connect(pane.get(), &ListPane::failed,
                     [&](const corvane::core::Notice &notice) { failures.append(notice.code); });
    std::function<void()> whileAsking;
    pane->setConfirm([&](QWidget *, const QString &) {
        whileAsking(); // an automatic check, say, changes the store and fills the list again
        return true;
    });

    pane->showList();
    grid().setRow(1); // "budget"
    whileAsking = [&] {
        append(QStringLiteral("Cid"), QStringLiteral("agenda"));
        pane->showList();
    };
    pane->InboxDeleteMsgExecute();
    EXPECT_EQ(subjects(), strings({"zoo", "plans", "agenda"}));
    EXPECT_TRUE(failures.isEmpty());

    ASSERT_EQ(dataColumn(grid(), 2), strings({"agenda", "plans", "zoo"}));
    grid().setRow(2); // "plans"
    whileAsking = [&] {
        store.deleteAt(1);
        pane->showList();
    };
    pane->InboxDeleteMsgExecute();
    EXPECT_EQ(subjects(), strings({"zoo", "agenda"})) << "nothing else was deleted";
    EXPECT_EQ(failures, QList{corvane::core::Notice::Code::RecordGone});
}

TEST_F(InboxList, ClosingThePaneWhileItFillsEndsTheFill)
{
    for (int i = 0; i < 200; ++i)
        append(QStringLiteral("Bob"), QStringLiteral("old"));
    pane->setFillOptions({.sliceMs = 0});
    EXPECT_EQ(pane->showList(), ListPane::Shown::Filling);
    pane.reset();
    QCoreApplication::processEvents(); // the next step finds nothing to do
}

} // namespace
