#include "shell/Navigation.h"
#include "shell/Startup.h"

#include "platform/IniFile.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace corvane::shell;
using corvane::test::TempFolder;

namespace {

TEST(NotReadyGate, RefusesWhileTheSettingsDoNotPassButTakesTheLiveFolderWithoutSave)
{
    TempFolder app;
    Stores stores;
    Startup startup(app.path(), stores);
    startup.run(StartupRun::Creation);
    int refusals = 0;
    const NotReadyGate gate(startup, [&] { ++refusals; });
    EXPECT_FALSE(gate.pass());
    EXPECT_EQ(refusals, 1);

    startup.settings().myDest = app.subfolder(QStringLiteral("inbox"));
    EXPECT_TRUE(gate.pass());
    EXPECT_EQ(refusals, 1);
    EXPECT_FALSE(startup.storesLoaded());
}

TEST(Navigation, StartPagePositionsOutsideTheSevenPanesOpenNothing)
{
    EXPECT_EQ(paneAt(3), Pane::SentItems);
    EXPECT_EQ(paneAt(6), Pane::Settings);
    EXPECT_FALSE(paneAt(-1).has_value());
    EXPECT_FALSE(paneAt(7).has_value());
}

} // namespace
