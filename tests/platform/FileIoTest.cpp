#include "platform/FileIo.h"

#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace corvane::platform;
using corvane::test::TempFolder;

namespace {

TEST(FileIo, AtomicWriteReplacesTheWholeFileAndLeavesNoTemporaryFile)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("f.txt"));
    writeFileAtomically(path, QByteArray("first version, longer"), Access::Shared);
    writeFileAtomically(path, QByteArray("second"), Access::Shared);
    EXPECT_EQ(folder.read(QStringLiteral("f.txt")), QByteArray("second"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("f.txt")});
}

TEST(FileIo, WritingIntoAMissingFolderNamesThePath)
{
    TempFolder folder;
    const QString path = folder.path() + QStringLiteral("missing/f.txt");
    try {
        writeFileAtomically(path, QByteArray("x"), Access::Shared);
        FAIL();
    } catch (const WriteError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(path));
        EXPECT_FALSE(error.reason().isEmpty());
    }
}

TEST(FileIo, ReadingRefusesFilesOverTheCap)
{
    TempFolder folder;
    folder.write(QStringLiteral("big"), QByteArray(100, 'x'));
    EXPECT_EQ(readWholeFile(folder.file(QStringLiteral("big")), 100).size(), 100);
    EXPECT_THROW(readWholeFile(folder.file(QStringLiteral("big")), 99), corvane::IoError);
    EXPECT_THROW(readWholeFile(folder.file(QStringLiteral("none"))), corvane::IoError);
}

} // namespace
