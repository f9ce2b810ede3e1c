#include "ui/widgets/StatusBarEx.h"

#include <QProgressBar>

#include <gtest/gtest.h>

using corvane::ui::StatusBarEx;

namespace {

TEST(StatusBarEx, PanelsLieSideBySideWithTheirWidthsAndKeepTheirTexts)
{
    StatusBarEx bar;
    bar.resize(800, bar.height());
    bar.addPanel(350);
    bar.addPanel(350);
    bar.addPanel(50, false);
    EXPECT_EQ(bar.panelRect(1).left(), 350);
    EXPECT_EQ(bar.panelRect(2).left(), 700);
    bar.setPanelText(0, QStringLiteral("Checking Messages"));
    EXPECT_EQ(bar.panelText(0), QStringLiteral("Checking Messages"));
    EXPECT_TRUE(bar.panelText(1).isEmpty());
}

TEST(StatusBarEx, HostedWidgetsStayAtTheirPlaceWhenTheBarResizes)
{
    StatusBarEx bar;
    auto *progress = new QProgressBar;
    bar.host(progress, 449, 250);
    bar.resize(1000, bar.height());
    EXPECT_EQ(progress->parentWidget(), &bar);
    EXPECT_EQ(progress->x(), 449);
    EXPECT_EQ(progress->width(), 250);
    EXPECT_LE(progress->geometry().bottom(), bar.height() - 1);
}

} // namespace
