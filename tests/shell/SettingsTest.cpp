#include "shell/ColumnSettings.h"
#include "shell/Settings.h"

#include "platform/FileIo.h"
#include "platform/IniFile.h"

#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace corvane::shell;
using corvane::platform::IniFile;
using corvane::test::TempFolder;

namespace {

TEST(Settings, EveryDefaultWithNoMainIni)
{
    TempFolder folder;
    const QString app = folder.path();
    const Settings s = readSettings(IniFile(app + QStringLiteral("main.ini")), app);
    EXPECT_EQ(s.name, QStringLiteral("Unknown"));
    EXPECT_EQ(s.myDest, QStringLiteral("---pick a shared folder---"));
    EXPECT_EQ(s.addresses, app);
    EXPECT_EQ(s.sentData, app);
    EXPECT_EQ(s.inboxData, app);
    EXPECT_FALSE(s.selfServer);
    EXPECT_FALSE(s.autoCheck);
    EXPECT_EQ(s.autoCheckTime, 10);
    EXPECT_EQ(s.autoCheckIntervalMs(), 600000);
    EXPECT_EQ(s.startupLocation, 3);
    EXPECT_FALSE(s.mailPopup);
    EXPECT_EQ(s.mailSoundType, 2);
    EXPECT_EQ(s.mailSound, app + QStringLiteral("mail.wav"));
    EXPECT_EQ(s.mainDictionary, app + QStringLiteral("Corvane.dic"));
    EXPECT_EQ(s.customDictionary, app + QStringLiteral("Custom.dic"));
    EXPECT_EQ(s.maxSuggestions, 30);
    EXPECT_TRUE(s.asYouType);
    EXPECT_FALSE(QFile::exists(app + QStringLiteral("main.ini")));
}

TEST(Settings, WrittenInTheSaveOrderAndReadBack)
{
    TempFolder folder;
    IniFile file(folder.file(QStringLiteral("main.ini")));
    Settings s = Settings::defaults(folder.path());
    s.name = QStringLiteral("Ann & Co");
    s.myDest = QStringLiteral("/share/ann/");
    s.selfServer = true;
    s.autoCheckTime = 0x1E;
    s.startupLocation = -1;
    s.asYouType = false;
    writeSettings(file, s);
    EXPECT_EQ(readSettings(file, folder.path()), s);
    EXPECT_EQ(file.keys(QStringLiteral("Settings")).first(), QStringLiteral("Name"));
    EXPECT_TRUE(folder.read(QStringLiteral("main.ini")).startsWith("[Destination]\r\nMyDest=/share/ann/\r\n"));
}

TEST(Settings, ADefaultDictionarySavedWithADoubledSeparatorReadsAsTheDefault)
{
    TempFolder folder;
    IniFile file(folder.file(QStringLiteral("main.ini")));
    file.writeString(QStringLiteral("Spelling"), QStringLiteral("Custom Dictionary"),
                     folder.path() + QDir::separator() + QStringLiteral("Custom.dic"));
    EXPECT_EQ(readSettings(file, folder.path()).customDictionary, folder.path() + QStringLiteral("Custom.dic"));
}

TEST(Settings, AFailingWriteKeepsTheKeysWrittenBeforeIt)
{
    TempFolder folder;
    IniFile file(folder.file(QStringLiteral("main.ini")));
    int writes = 0;
    corvane::platform::setWriteFaultHookForTesting([&writes](const QString &) { return ++writes > 3; });
    EXPECT_THROW(writeSettings(file, Settings::defaults(folder.path())), corvane::platform::WriteError);
    corvane::platform::setWriteFaultHookForTesting({});
    EXPECT_TRUE(file.valueExists(QStringLiteral("Destination"), QStringLiteral("MyDest")));
    EXPECT_TRUE(file.valueExists(QStringLiteral("Settings"), QStringLiteral("Name")));
    EXPECT_TRUE(file.valueExists(QStringLiteral("Settings"), QStringLiteral("Addresses")));
    EXPECT_FALSE(file.valueExists(QStringLiteral("Settings"), QStringLiteral("Sent Data")));
}

TEST(ColumnSettings, DefaultsAndStoredSorts)
{
    TempFolder folder;
    IniFile file(folder.file(QStringLiteral("main.ini")));
    ColumnSettings c = readColumnSettings(file);
    EXPECT_TRUE(c.enableSort);
    EXPECT_EQ(c.inbox.widths, (QList<int>{0, 75, 170, 220, 130, 65}));
    EXPECT_EQ(c.address.widths, (QList<int>{0, 60, 220, 350, 40}));
    EXPECT_EQ(c.sent.widths, (QList<int>{0, 75, 170, 220, 130, 150}));
    EXPECT_EQ(c.sent.sortColumn, 1);
    EXPECT_EQ(c.sent.sortDirection, 1);

    writeClickSort(file, GridId::Inbox, 4, 0);
    writeColumnWidths(file, GridId::Inbox, {99, 1, 2, 3, 4, 5});
    c = readColumnSettings(file);
    EXPECT_EQ(c.inbox.sortColumn, 4);
    EXPECT_EQ(c.inbox.sortDirection, 0);
    EXPECT_EQ(c.inbox.widths, (QList<int>{0, 1, 2, 3, 4, 5})) << "the counter width is never written";
    EXPECT_FALSE(file.valueExists(QStringLiteral("Columns"), QStringLiteral("Inbox Counter")));
}

} // namespace
