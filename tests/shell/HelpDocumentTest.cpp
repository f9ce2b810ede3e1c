#include "shell/HelpTopics.h"

#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace corvane::shell;

namespace {

// The help shipped in the build's program folder.
QString programFolder()
{
    return QStringLiteral(CORVANE_PROGRAM_DIR "/");
}

TEST(HelpDocument, EveryHelpContextHasAnAnchor)
{
    const QByteArray document = corvane::test::readFile(helpDocumentPath(programFolder()));
    for (int context = help::kFirstTopic; context <= help::kLastTopic; ++context) {
        const QByteArray anchor = helpAnchor(context).toUtf8();
        EXPECT_TRUE(document.contains(QByteArray("id=\"" + anchor + '"'))) << context;
    }
}

} // namespace
