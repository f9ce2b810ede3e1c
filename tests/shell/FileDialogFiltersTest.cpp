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

TEST(HelpTopics, EachTopicOpensTheDocumentAtItsAnchorAndOtherNumbersAtItsBeginning)
{
    const QString app = QStringLiteral("/opt/corvane/");
    for (const int context : {0, 2, 8}) {
        const QUrl url = helpUrl(app, context);
        EXPECT_EQ(url.toLocalFile(), QStringLiteral("/opt/corvane/help/corvane.html"));
        EXPECT_EQ(url.fragment(), context == 2 ? QStringLiteral("context-2") : QString()) << context;
    }
}

} // namespace
