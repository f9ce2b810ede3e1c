#include "receiving/widgets/NotifyIcon.h"

#include <QWidget>

#include <gtest/gtest.h>

using corvane::receiving::NotifyIcon;
using corvane::receiving::NotifyIconError;

namespace {

TEST(NotifyIcon, MinimisingToTheTrayNeedsAWindowAsOwner)
{
    QObject notAForm;
    NotifyIcon icon(&notAForm);
    try {
        icon.setMinFormToTray(true);
        FAIL() << "no error";
    } catch (const NotifyIconError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("Owner must be a form"));
    }
    EXPECT_FALSE(icon.minFormToTray());

    QWidget form;
    NotifyIcon formIcon(&form);
    formIcon.setMinFormToTray(true);
    EXPECT_TRUE(formIcon.minFormToTray());
}

} // namespace
