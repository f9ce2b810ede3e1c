#include "shell/ProgramFolders.h"

#include "platform/Paths.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using corvane::shell::ProgramFolders;
using corvane::shell::resolveProgramFolders;
using corvane::test::TempFolder;

namespace {

QString folder(const QString &path)
{
    return corvane::platform::withTrailingSeparator(QDir::toNativeSeparators(path));
}

TEST(ProgramFolders, PortableOrInstalledDecidesWhereTheProfileAndTheShippedFilesAre)
{
    const struct
    {
        const char *what;
        bool installed;  // bin/ beside share/corvane/
        bool mainIni;    // main.ini beside the program
        bool profileArg; // --profile DIR
        const char *profile;
        const char *data;
    } cases[] = {
        {"portable folder", false, false, false, "bin/", "bin/"},
        {"portable with settings", false, true, false, "bin/", "bin/"},
        {"installed", true, false, false, "config/corvane/", "share/corvane/"},
        {"installed with settings beside it", true, true, false, "bin/", "share/corvane/"},
        {"another profile", true, false, true, "users/bob/", "share/corvane/"},
    };
    for (const auto &c : cases) {
        TempFolder root;
        const QString bin = folder(root.subfolder(QStringLiteral("bin")));
        if (c.installed)
            QDir(root.path()).mkpath(QStringLiteral("share/corvane"));
        if (c.mainIni)
            QFile(bin + QStringLiteral("main.ini")).open(QIODevice::WriteOnly);
        const std::optional<QString> profileArg =
            c.profileArg ? std::optional<QString>(root.path() + QStringLiteral("users/bob")) : std::nullopt;

        const ProgramFolders folders = resolveProgramFolders(bin, root.path() + QStringLiteral("config"), profileArg);
        EXPECT_EQ(folders.profile, folder(root.path() + QLatin1String(c.profile))) << c.what;
        EXPECT_EQ(folders.data, folder(root.path() + QLatin1String(c.data))) << c.what;
        EXPECT_TRUE(QDir(folders.profile).exists()) << c.what; // created on first start
    }
}

} // namespace
