#include "platform/NoReplaceRename.h"
#include "platform/FileIo.h"

#include "support/TempFolder.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace corvane::platform;
using corvane::test::TempFolder;

namespace {

// Every way of claiming a name without replacing, the fallbacks included: a taken name is refused
// with both files left as they were; a free name is taken whole.
TEST(NoReplaceRename, EveryWayRefusesATakenNameAndLeavesBothFilesAsTheyWere)
{
    const struct
    {
        const char *what;
        NoReplaceWay way;
        Placing placing;
    } ways[] = {
        {"the system's no-replace rename", NoReplaceWay::Native, Placing::NoReplace},
        {"link and unlink", NoReplaceWay::Link, Placing::NoReplace},
        {"a test and rename under the lock folder", NoReplaceWay::Unsupported, Placing::TestThenReplace},
    };
    for (const auto &w : ways) {
        SCOPED_TRACE(w.what);
        setNoReplaceWayForTesting(w.way);
        TempFolder folder;
        folder.write(QStringLiteral("new"), "new");
        folder.write(QStringLiteral("taken"), "old");
        QString reason;
        EXPECT_EQ(placeFile(folder.file(QStringLiteral("new")), folder.file(QStringLiteral("taken")), w.placing, &reason),
                  RenameOutcome::TargetExists)
            << reason.toStdString();
        EXPECT_EQ(folder.read(QStringLiteral("taken")), QByteArray("old"));
        EXPECT_EQ(folder.read(QStringLiteral("new")), QByteArray("new"));

        EXPECT_EQ(placeFile(folder.file(QStringLiteral("new")), folder.file(QStringLiteral("free")), w.placing, &reason),
                  RenameOutcome::Done)
            << reason.toStdString();
        EXPECT_EQ(folder.read(QStringLiteral("free")), QByteArray("new"));
        EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("new"))));
    }
    // Where there is no rename without replacing, it says so and touches nothing.
    TempFolder folder;
    folder.write(QStringLiteral("new"), "new");
    EXPECT_EQ(renameWithoutReplacing(folder.file(QStringLiteral("new")), folder.file(QStringLiteral("free"))),
              RenameOutcome::NotSupported);
    EXPECT_EQ(folder.read(QStringLiteral("new")), QByteArray("new"));
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("free"))));
    setNoReplaceWayForTesting(NoReplaceWay::Native);
}

} // namespace
