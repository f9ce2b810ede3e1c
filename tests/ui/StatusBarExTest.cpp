#include "ui/widgets/StatusBarEx.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProgressBar>
#include <QTest>
#include <QToolTip>

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

TEST(StatusBarEx, ATextTooLongForItsPanelShowsWholeAsATooltipUntilReplaced)
{
    StatusBarEx bar;
    bar.addPanel(120);
    bar.resize(400, bar.height());
    bar.show();
    const QString longText = QStringLiteral("Could not read the message file \\server\\share\\Ann\\x.cvm");
    const QString otherLong = QStringLiteral("Delivered to Bob, Carol and Dave; waiting in the relay folder for Erin");
    auto hover = [&] {
        QHelpEvent help(QEvent::ToolTip, QPoint(10, 5), bar.mapToGlobal(QPoint(10, 5)));
        QApplication::sendEvent(&bar, &help);
    };

    bar.setPanelText(0, QStringLiteral("Ready"));
    hover();
    EXPECT_FALSE(QToolTip::isVisible()) << "a text that fits needs no tooltip";
    const auto tipGone = [] { return QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000); };

    bar.setPanelText(0, longText);
    hover();
    ASSERT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), longText);

    bar.setPanelText(0, otherLong);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), otherLong) << "the tooltip follows the text that replaced it";

    bar.setPanelText(0, QStringLiteral("Ready"));
    EXPECT_TRUE(tipGone());
}

} // namespace
