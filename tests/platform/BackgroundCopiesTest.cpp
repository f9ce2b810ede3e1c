#include "platform/BackgroundCopies.h"
#include "platform/FileIo.h"

#include "support/EventWait.h"
#include "support/TempFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace corvane::platform;
using corvane::test::TempFolder;

namespace {

TEST(BackgroundCopies, ACopyCutOffLeavesNoFileUnderItsNameAndNoTemporaryFile)
{
    TempFolder temp;
    const QString source = temp.subfolder(QStringLiteral("from")) + QStringLiteral("report.pdf");
    corvane::test::writeFile(source, QByteArray(3 << 20, 'x'));
    const QString target = temp.subfolder(QStringLiteral("to"));
    BackgroundCopies copies;
    copies.cancelAll();
    copies.start([&] { copyFileReplacing(source, target + QStringLiteral("report.pdf"), Access::Shared); });
    corvane::test::waitForCopies(copies);
    EXPECT_TRUE(QDir(target).isEmpty()) << QDir(target).entryList(QDir::Files | QDir::Hidden).join(u' ').toStdString();
}

TEST(BackgroundCopies, ACopyRemovesTheDayOldTemporaryFilesOfItsFolder)
{
    TempFolder temp;
    const QString source = temp.file(QStringLiteral("a.txt"));
    corvane::test::writeFile(source, "a");
    const QString target = temp.subfolder(QStringLiteral("to"));
    const QString stale = target + temporaryFilePrefix() + QStringLiteral("stale.tmp");
    const QString fresh = target + temporaryFilePrefix() + QStringLiteral("fresh.tmp");
    const QString someoneElses = target + QStringLiteral("old.tmp");
    for (const QString &path : {stale, fresh, someoneElses})
        corvane::test::writeFile(path, "partial");
    const QDateTime twoDaysAgo = QDateTime::currentDateTime().addDays(-2);
    for (const QString &path : {stale, someoneElses}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.setFileTime(twoDaysAgo, QFileDevice::FileModificationTime));
    }
    copyFileReplacing(source, target + QStringLiteral("a.txt"), Access::Shared);
    EXPECT_FALSE(QFile::exists(stale));
    EXPECT_TRUE(QFile::exists(fresh)) << "a copy under way elsewhere keeps its file";
    EXPECT_TRUE(QFile::exists(someoneElses));
    EXPECT_EQ(corvane::test::readFile(target + QStringLiteral("a.txt")), QByteArray("a"));
}

} // namespace
