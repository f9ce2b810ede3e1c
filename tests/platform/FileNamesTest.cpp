#include "platform/FileNames.h"

#include <gtest/gtest.h>

using corvane::platform::canNameMessageFiles;
using corvane::platform::isMailFolderFileName;
using corvane::platform::isValidFileName;

namespace {

TEST(FileNames, AcceptsOrdinaryNames)
{
    for (const char *name : {"Ann", "Bob Smith", "report.final.pdf", "a&b", "Élise", ".profile", "con-artist"})
        EXPECT_TRUE(isValidFileName(QString::fromUtf8(name))) << name;
}

TEST(FileNames, RefusesWhatCouldLeaveTheFolderOrBreakAPeer)
{
    for (const char *name : {"", ".", "..", "../x", "a/b", "a\\b", "C:x", "a*", "a?", "a\"b", "a<b", "a>b",
                             "a|b", "trailing.", "trailing ", "CON", "con", "nul.txt", "COM1", "lpt9.log", "COM0.txt", "com\u00b9",
                             "tab\there"})
        EXPECT_FALSE(isValidFileName(QString::fromUtf8(name))) << name;
}

// A user name is tested on the files it names: "COM" would write "COM1.cvm", a device.
TEST(FileNames, UserNamesAreTestedOnTheirMessageFileNames)
{
    for (const char *name : {"COM", "lpt", "CON", "a/b"})
        EXPECT_FALSE(canNameMessageFiles(QString::fromUtf8(name))) << name;
    for (const char *name : {"Ann", "COM10", "Lptx"})
        EXPECT_TRUE(canNameMessageFiles(QString::fromUtf8(name))) << name;
}

TEST(FileNames, TellsTheFilesTheMailKeepsInAFolder)
{
    for (const char *name : {"Bob3.cvm", "a b 10.CVM", "Bob3.cvm.unreadable2", "Attach.ini", "ATTACH.INI",
                             "~corvane-delivery.lock", "~Corvane-x.tmp"})
        EXPECT_TRUE(isMailFolderFileName(QString::fromUtf8(name))) << name;
    for (const char *name : {"report.cvm", "Bob3.cvm.txt", "Attach.ini.bak", "notes~corvane-x", "3.cvmx"})
        EXPECT_FALSE(isMailFolderFileName(QString::fromUtf8(name))) << name;
}

} // namespace
