#include "ProgramFolders.h"

#include "Settings.h"

#include "platform/Errors.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace corvane::shell {

namespace {

QString asFolder(const QString &path)
{
    return platform::withTrailingSeparator(platform::toNative(QDir::cleanPath(QDir(path).absolutePath())));
}

} // namespace

QString installedDataFolder(const QString &programFolder)
{
    const QString shared = QDir(programFolder).filePath(QStringLiteral("../share/corvane"));
    return platform::folderExists(shared) ? asFolder(shared) : QString();
}

ProgramFolders resolveProgramFolders(const QString &programFolder, const QString &configHome,
                                     const std::optional<QString> &profileArgument)
{
    const QString installed = installedDataFolder(programFolder);
    const QString data = installed.isEmpty() ? programFolder : installed;

    QString profile;
    if (profileArgument)
        profile = asFolder(*profileArgument);
    else if (platform::fileExists(platform::joinPath(programFolder, kSettingsFileName)))
        profile = programFolder;
    // An installed program's folder is the system's, even for a user who may write it.
    else if (installed.isEmpty() && QFileInfo(programFolder).isWritable())
        profile = programFolder;
    else
        profile = asFolder(QDir(configHome).filePath(QStringLiteral("corvane")));

    if (!platform::folderExists(profile) && !platform::makeFolder(profile, platform::Access::Private))
        throw IoError(
            QCoreApplication::translate("ProgramFolders", "The profile folder %1 could not be created.").arg(profile));
    return {profile, data};
}

ProgramFolders programFolders(const std::optional<QString> &profileArgument)
{
    return resolveProgramFolders(platform::programFolder(),
                                 QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                                 profileArgument);
}

} // namespace corvane::shell
