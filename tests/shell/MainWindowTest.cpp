#include "shell/widgets/MainWindow.h"

#include "platform/IniFile.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace corvane::shell;
using corvane::test::TempFolder;

namespace {

TEST(MainWindow, CaptionCarriesTheVersionAndAnEmptyFolderStaysNotReady)
{
    TempFolder app;
    MainWindow window(app.path());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Corvane  Version 3.0.0.0"));
    EXPECT_FALSE(window.startup().storesLoaded());
    EXPECT_FALSE(QFile::exists(app.file(QStringLiteral("InBox.cvi"))));
}

TEST(MainWindow, ValidSettingsLoadTheStores)
{
    TempFolder app;
    corvane::platform::IniFile file(app.file(QStringLiteral("main.ini")));
    file.writeString(keys::destination, keys::myDest, app.subfolder(QStringLiteral("in")));
    MainWindow window(app.path());
    EXPECT_TRUE(window.startup().storesLoaded());
    EXPECT_TRUE(QFile::exists(app.file(QStringLiteral("Sent Items.cva"))));
}

} // namespace
