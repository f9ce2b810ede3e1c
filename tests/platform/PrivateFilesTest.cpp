// What the program makes is the user's alone when it is Private, whatever the umask, and follows
// the folder and the umask when it is Shared (files other users read).
#include "platform/BackgroundCopies.h"
#include "platform/FileIo.h"
#include "platform/JournaledWrite.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <sys/wait.h>

using namespace corvane::platform;
using corvane::test::TempFolder;

namespace {

mode_t modeOf(const QString &path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : mode_t(07777);
}

// Sets the process's umask for as long as it lives.
struct Umask
{
    explicit Umask(mode_t mask) : old(::umask(mask)) {}
    ~Umask() { ::umask(old); }
    mode_t old;
};

TEST(PrivateFiles, EveryWayOfMakingAFileGivesItTheRightsItsAccessSays)
{
    TempFolder temp;
    const QString source = temp.file(QStringLiteral("source"));
    corvane::test::writeFile(source, "bytes");
    const auto write = [](QFile &file) { file.write("bytes"); };
    // Each makes a file in the folder and returns its path.
    const struct
    {
        const char *how;
        std::function<QString(const QString &folder, Access access)> make;
    } makers[] = {
        {"openNewFile",
         [](const QString &folder, Access access) {
             QFile file(folder + QStringLiteral("opened"));
             EXPECT_TRUE(openNewFile(file, QIODevice::WriteOnly, access));
             return file.fileName();
         }},
        {"writeFileAtomically",
         [](const QString &folder, Access access) {
             writeFileAtomically(folder + QStringLiteral("atomic"), QByteArray("x"), access);
             return QString(folder + QStringLiteral("atomic"));
         }},
        {"writeTemporaryFile", [&](const QString &folder, Access access) { return writeTemporaryFile(folder, write, access); }},
        {"publishFile",
         [&](const QString &folder, Access access) {
             return publishFile(folder, write, replacing(folder + QStringLiteral("published")), access);
         }},
        {"copyFileReplacing",
         [&](const QString &folder, Access access) {
             copyFileReplacing(source, folder + QStringLiteral("replaced"), access);
             return QString(folder + QStringLiteral("replaced"));
         }},
        {"copyFileKeeping",
         [&](const QString &folder, Access access) {
             EXPECT_TRUE(copyFileKeeping(source, folder + QStringLiteral("kept"), access));
             return QString(folder + QStringLiteral("kept"));
         }},
    };
    int round = 0;
    for (const mode_t mask : {mode_t(022), mode_t(002), mode_t(0), mode_t(0277)}) {
        for (const auto &maker : makers) {
            for (const Access access : {Access::Private, Access::Shared}) {
                SCOPED_TRACE(::testing::Message() << maker.how << " umask " << std::oct << mask
                                                  << (access == Access::Private ? " private" : " shared"));
                const QString folder = temp.subfolder(QString::number(++round)); // made before the umask
                const Umask umask(mask);
                const QString made = maker.make(folder, access);
                EXPECT_EQ(modeOf(made), access == Access::Private ? mode_t(0600) : mode_t(0666 & ~mask)) << made.toStdString();
            }
        }
    }
}

TEST(PrivateFiles, MissingFoldersAreMadeTheUsersAloneAndFoldersThereAreLeftAsTheyAre)
{
    TempFolder temp;
    const QString there = temp.subfolder(QStringLiteral("there"));
    ::chmod(QFile::encodeName(there).constData(), 0755);
    for (const mode_t mask : {mode_t(022), mode_t(0277)}) {
        const Umask umask(mask);
        const QString top = there + QStringLiteral("p%1").arg(mask);
        ASSERT_TRUE(makeFolder(top + QStringLiteral("/Attachments/{GUID}"), Access::Private));
        EXPECT_EQ(modeOf(top), mode_t(0700));
        EXPECT_EQ(modeOf(top + QStringLiteral("/Attachments")), mode_t(0700));
        EXPECT_EQ(modeOf(top + QStringLiteral("/Attachments/{GUID}")), mode_t(0700));
        EXPECT_EQ(modeOf(there), mode_t(0755));
        EXPECT_TRUE(makeFolder(top, Access::Private)); // there already
    }
    const Umask umask(022);
    ASSERT_TRUE(makeFolder(there + QStringLiteral("shared/sub"), Access::Shared));
    EXPECT_EQ(modeOf(there + QStringLiteral("shared/sub")), mode_t(0755));
    temp.write(QStringLiteral("a file"), "x");
    EXPECT_FALSE(makeFolder(temp.file(QStringLiteral("a file/below")), Access::Private));
}

TEST(PrivateFiles, AStoresJournalIsTheUsersAlone)
{
    GTEST_FLAG_SET(death_test_style, "fast");
    const Umask umask(022);
    TempFolder temp;
    const QString path = temp.file(QStringLiteral("InBox.cvi"));
    corvane::test::writeFile(path, "0123456789");
    // The write ends in the middle of the journal, which stays as it was made.
    EXPECT_EXIT(
        {
            setExitAfterBytesForTesting(5);
            writeInPlace(path, {10, 10, {{0, QByteArray("abcde")}}});
            std::_Exit(71);
        },
        [](int status) { return WIFEXITED(status) && WEXITSTATUS(status) == 70; }, "");
    ASSERT_TRUE(QFile::exists(journalPathFor(path)));
    EXPECT_EQ(modeOf(journalPathFor(path)), mode_t(0600));
}

TEST(PrivateFiles, OnlyTheGroupsAndOthersReadRightsCountAsReadableByOthers)
{
    TempFolder temp;
    const QString file = temp.file(QStringLiteral("f"));
    corvane::test::writeFile(file, "x");
    for (const auto &[mode, readable] : {std::pair{0600, false}, std::pair{0700, false}, std::pair{0640, true},
                                        std::pair{0604, true}, std::pair{0620, false}}) {
        ::chmod(QFile::encodeName(file).constData(), mode_t(mode));
        EXPECT_EQ(readableByOthers(file), readable) << std::oct << mode;
    }
    EXPECT_FALSE(readableByOthers(temp.file(QStringLiteral("missing"))));
}

} // namespace
#endif
