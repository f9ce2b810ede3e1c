// A profile is the user's alone: the folders Corvane makes and every file it keeps there, whatever
// the umask; one that others can read (made before, or by hand) is named once a run.
#include "shell/ProfileLock.h"
#include "shell/ProgramFolders.h"
#include "shell/Settings.h"
#include "shell/Startup.h"

#include "platform/IniFile.h"
#include "sending/DraftKeeper.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>

using namespace corvane::shell;
using corvane::test::TempFolder;

namespace {

mode_t modeOf(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : mode_t(07777);
}

void setMode(const QString &path, mode_t mode)
{
    ::chmod(QFile::encodeName(path).constData(), mode);
}

struct Umask
{
    explicit Umask(mode_t mask) : old(::umask(mask)) {}
    ~Umask() { ::umask(old); }
    mode_t old;
};

// Settings that let the program start, written as the settings pane writes them.
void configure(const QString &profile, const QString &inbox)
{
    corvane::platform::IniFile file = settingsFileIn(profile);
    file.writeString(keys::destination, keys::myDest, inbox);
    file.writeString(keys::settings, keys::name, QStringLiteral("Ann"));
}

TEST(Privacy, TheProfileCorvaneMakesAndEverythingItKeepsThereAreTheUsersAlone)
{
    const Umask umask(022);
    TempFolder root;
    const QString inbox = root.subfolder(QStringLiteral("share/ann"));
    // A profile folder of its own, as --profile names it (the config folder's is made alike).
    const ProgramFolders folders = resolveProgramFolders(root.path() + QStringLiteral("bin"), root.path() + QStringLiteral("config"),
                                                         root.path() + QStringLiteral("users/ann"));
    EXPECT_EQ(modeOf(root.path() + QStringLiteral("users")), mode_t(0700));
    EXPECT_EQ(modeOf(folders.profile), mode_t(0700));

    configure(folders.profile, inbox);
    Stores stores;
    Startup startup(folders, stores);
    ASSERT_TRUE(startup.run(StartupRun::Creation).ready);
    corvane::sending::DraftKeeper keeper(folders.profile + corvane::sending::kKeptDraftFileName, [] {
        return std::optional<corvane::sending::Draft>(corvane::sending::Draft{{QStringLiteral("Bob")}, QStringLiteral("Hi"), {}, {}});
    });
    keeper.saveNow();
    stores.address.append({QStringLiteral("Bob"), inbox, {}, false}); // the address list is written whole
    for (const char *name : {"main.ini", "InBox.cvi", "address list.cva", "Sent Items.cva", "Unsent message.json"})
        EXPECT_EQ(modeOf(folders.profile + QString::fromUtf8(name)), mode_t(0600)) << name;
    EXPECT_EQ(modeOf(inbox), mode_t(0755)) << "the share's folder is left to the share";
}

TEST(Privacy, TheUsersOwnProfileTakingOverAnAdministratorsSettingsIsTheUsersAlone)
{
    const Umask umask(022);
    TempFolder program;
    TempFolder config;
    program.write(QStringLiteral("main.ini"), "[Settings]\r\nName=Ann\r\n");
    const ClaimedProfile claimed =
        claimProfile(program.path(), config.path(), true, [&](ProfileLock &lock) {
            return lock.lockFilePath().startsWith(program.path()) ? ProfileLock::Access::NotWritable : lock.take();
        });
    ASSERT_TRUE(claimed.error.isEmpty()) << claimed.error.toStdString();
    EXPECT_EQ(modeOf(claimed.folders.profile), mode_t(0700));
    EXPECT_EQ(modeOf(claimed.folders.profile + QStringLiteral("main.ini")), mode_t(0600));
}

TEST(Privacy, AProfileOrStoreOthersCanReadIsNamedOnceARunInTheLogAndTheStatusText)
{
    TempFolder profile;
    configure(profile.path(), profile.subfolder(QStringLiteral("inbox")));
    const QString inboxStore = profile.file(QStringLiteral("InBox.cvi"));
    QStringList logged;
    static QStringList *log = nullptr;
    log = &logged;
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtWarningMsg)
            log->append(text);
    });

    {
        Stores stores;
        Startup startup(profile.path(), stores);
        EXPECT_TRUE(startup.run(StartupRun::Creation).exposureWarning.isEmpty()) << "made private, nothing to say";
    }
    setMode(profile.path(), 0755);
    setMode(inboxStore, 0644);
    Stores stores;
    Startup startup(profile.path(), stores);
    const QString warning = startup.run(StartupRun::Creation).exposureWarning;
    EXPECT_TRUE(warning.contains(QDir::toNativeSeparators(profile.path()))) << warning.toStdString();
    EXPECT_TRUE(warning.contains(QDir::toNativeSeparators(inboxStore))) << warning.toStdString();
    EXPECT_FALSE(warning.contains(QStringLiteral("Sent Items.cva"))) << warning.toStdString();
    EXPECT_EQ(logged.size(), 2);
    // Saving the settings runs the start-up again: told once.
    EXPECT_TRUE(startup.run(StartupRun::AfterSave).exposureWarning.isEmpty());
    EXPECT_EQ(logged.size(), 2);
    qInstallMessageHandler(previous);
    EXPECT_EQ(modeOf(inboxStore), mode_t(0644)) << "nothing is changed";
}

} // namespace
#endif
