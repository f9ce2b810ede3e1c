#include "core/MessageFileNames.h"

#include <gtest/gtest.h>

using namespace corvane::core;

namespace {

// One rule formats and reads the names: what is written reads back, and nothing else is a number.
TEST(MessageFileNames, OneRuleFormatsAndParses)
{
    struct Case { const char *file; qint64 number; };
    const Case cases[] = {{"Ann1.cvm", 1},   {"Ann12.cvm", 12},  {"ann3.CVM", 3},   {"Ann0.cvm", 0},
                          {"Ann01.cvm", 0},  {"Ann+1.cvm", 0},   {"Ann 1.cvm", 0},  {"Ann-1.cvm", 0},
                          {"Ann.cvm", 0},    {"Ann1.cvm.unreadable", 0},            {"Ann1x.cvm", 0},
                          {"Bob1.cvm", 0},   {"~corvane-abc.tmp", 0}};
    for (const Case &c : cases)
        EXPECT_EQ(messageFileNumber(QString::fromUtf8(c.file), QStringLiteral("Ann")), c.number) << c.file;
    for (const qint64 n : {qint64(1), qint64(9), qint64(10), qint64(4711), qint64(999999999999999999)})
        EXPECT_EQ(messageFileNumber(messageFileName(QStringLiteral("Ann Lee"), n), QStringLiteral("ANN LEE")), n);
}

// A user name is tested on the files it names: "COM" would write "COM1.cvm", a device.
TEST(MessageFileNames, UserNamesAreTestedOnTheirMessageFileNames)
{
    for (const char *name : {"COM", "lpt", "CON", "a/b"})
        EXPECT_FALSE(canNameMessageFiles(QString::fromUtf8(name))) << name;
    for (const char *name : {"Ann", "COM10", "Lptx"})
        EXPECT_TRUE(canNameMessageFiles(QString::fromUtf8(name))) << name;
}

TEST(MessageFileNames, TellsTheFilesTheMailKeepsInAFolder)
{
    for (const char *name : {"Bob3.cvm", "a b 10.CVM", "Bob3.cvm.unreadable2", "Attach.ini", "ATTACH.INI",
                             "~corvane-delivery.lock", "~Corvane-x.tmp"})
        EXPECT_TRUE(isMailFolderFileName(QString::fromUtf8(name))) << name;
    for (const char *name : {"report.cvm", "Bob3.cvm.txt", "Attach.ini.bak", "notes~corvane-x", "3.cvmx"})
        EXPECT_FALSE(isMailFolderFileName(QString::fromUtf8(name))) << name;
}

} // namespace
