#include "platform/FileNames.h"

#include <gtest/gtest.h>

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

} // namespace
