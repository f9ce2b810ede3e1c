#include "shell/FileDialogFilters.h"
#include "shell/HelpTopics.h"

#include <gtest/gtest.h>

using namespace corvane::shell;

namespace {

TEST(FileDialogFilters, FiltersBecomeDialogFiltersWithTheirPatternsAndAllFiles)
{
    EXPECT_EQ(toDialogFilter(shownFilter(kSoundFilter)),
              QStringLiteral("Sound (*.wav);;Music (*.mid *.mp3);;All Files (*)"));
    EXPECT_EQ(toDialogFilter(shownFilter(kDictionaryFilter)),
              QStringLiteral("Dictionary wordlists (*.dic);;All files (*)"));
}

TEST(HelpTopics, EachTopicOpensItsForwardingPageAndOtherNumbersTheDocument)
{
    const QString app = QStringLiteral("/opt/corvane/");
    EXPECT_EQ(helpUrl(app, 2).toLocalFile(), QStringLiteral("/opt/corvane/help/topic-2.html"));
    EXPECT_EQ(helpUrl(app, 0).toLocalFile(), QStringLiteral("/opt/corvane/help/corvane.html"));
    EXPECT_EQ(helpUrl(app, 8).toLocalFile(), QStringLiteral("/opt/corvane/help/corvane.html"));
}

} // namespace
