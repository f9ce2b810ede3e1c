#include "ui/widgets/OutlookBar.h"

#include <QAbstractButton>
#include <QIcon>
#include <QSignalSpy>

#include <gtest/gtest.h>

using corvane::ui::OutlookBar;

namespace {

struct Bar
{
    OutlookBar bar;
    bool allow = true;
    int asked = 0;

    Bar()
    {
        const int group = bar.addGroup(QStringLiteral("Standard"));
        for (const char *caption : {"New", "InBox", "Settings"})
            bar.addItem(group, QString::fromLatin1(caption), QIcon());
        bar.setChangeGuard([this] {
            ++asked;
            return allow;
        });
    }
};

// A click asks the guard; only an allowed one moves the highlight and is reported.
TEST(OutlookBar, AClickMovesTheHighlightAndIsReportedOnlyWhenTheGuardAllowsIt)
{
    for (const bool allow : {true, false}) {
        SCOPED_TRACE(allow ? "allowed" : "refused");
        Bar b;
        b.bar.setCurrentItem(2);
        b.allow = allow;
        QSignalSpy clicked(&b.bar, &OutlookBar::itemClicked);
        b.bar.itemButton(0, 1)->click();
        const int highlighted = allow ? 1 : 2;
        EXPECT_EQ(b.asked, 1);
        EXPECT_EQ(b.bar.currentItem(), highlighted);
        EXPECT_EQ(b.bar.itemButton(0, 1)->isChecked(), allow);
        EXPECT_EQ(b.bar.itemButton(0, 2)->isChecked(), !allow);
        ASSERT_EQ(clicked.count(), allow ? 1 : 0);
        if (allow) {
            EXPECT_EQ(clicked.at(0).at(1).toInt(), 1);
        }
    }
}

TEST(OutlookBar, SettingTheItemFromCodeNeverAsksTheGuardAndOutOfRangeHighlightsNothing)
{
    Bar b;
    b.bar.setCurrentItem(0);
    EXPECT_EQ(b.bar.currentItem(), 0);
    b.bar.setCurrentItem(7);
    EXPECT_EQ(b.bar.currentItem(), -1);
    EXPECT_FALSE(b.bar.itemButton(0, 0)->isChecked());
    EXPECT_EQ(b.asked, 0);
}

TEST(OutlookBar, AGroupHeaderClickAlsoAsksTheGuard)
{
    Bar b;
    b.allow = false;
    b.bar.groupButton(0)->click();
    EXPECT_EQ(b.asked, 1);
    EXPECT_EQ(b.bar.currentGroup(), 0);
}

} // namespace
