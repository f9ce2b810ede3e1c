#include "CliInit.h"

#include "CliProfile.h"

#include "addressbook/AddressEditing.h"
#include "core/MessageFileNames.h"
#include "shell/Settings.h"

#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace corvane::cli {

namespace {

QString absoluteFolder(const QString &path)
{
    return platform::withTrailingSeparator(QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath())));
}

// `failure` names the folder by its %1.
void makeFolder(const QString &folder, const QString &failure)
{
    if (!platform::folderExists(folder) && !platform::makeFolder(folder, platform::Access::Private))
        throw CliError(failure.arg(folder));
}

} // namespace

int initProfile(const InitCommand &command, const QString &profileFolder, const QString &shippedFolder,
                QTextStream &out)
{
    const QString profile = absoluteFolder(profileFolder);
    const QString ini = platform::joinPath(profile, shell::kSettingsFileName);
    if (QFileInfo::exists(ini) && !command.force)
        throw CliError(QCoreApplication::translate("CliInit", "%1 already exists; give --force to replace its settings.").arg(ini));

    shell::Settings settings = shell::Settings::defaults(profile, shippedFolder);
    settings.name = command.name.trimmed();
    settings.myDest = command.inbox.trimmed();
    // The same test as the settings pane's Save: nobody could send mail to a placeholder.
    if (const auto refusal = shell::saveRefusal(settings)) {
        throw CliError(refusal->field == shell::SettingsRefusal::Field::Name
                           ? QCoreApplication::translate("CliInit", "--name \"%1\" is not a name: give the name others send you mail by.")
                                 .arg(command.name)
                           : QCoreApplication::translate("CliInit", "--inbox \"%1\" is not a folder: give your folder on the shared drive.")
                                 .arg(command.inbox));
    }
    settings.myDest = absoluteFolder(settings.myDest);
    if (!core::canNameMessageFiles(settings.name))
        throw CliError(QCoreApplication::translate("CliInit", "--name: %1.").arg(addressbook::nameCannotBeFileName(settings.name)));
    if (!platform::folderExists(settings.myDest))
        throw CliError(QCoreApplication::translate("CliInit", "--inbox: the folder %1 does not exist.").arg(settings.myDest));

    makeFolder(profile, QCoreApplication::translate("CliInit", "The profile folder %1 could not be created."));
    if (command.data) {
        const QString data = absoluteFolder(*command.data);
        makeFolder(data, QCoreApplication::translate("CliInit", "The data folder %1 could not be created."));
        settings.addresses = data;
        settings.sentData = data;
        settings.inboxData = data;
    }
    platform::IniFile file = shell::settingsFileIn(profile);
    file.checkReadable();
    shell::writeSettings(file, settings);
    out << QCoreApplication::translate("CliInit", "Wrote %1").arg(ini) << '\n';
    return 0;
}

} // namespace corvane::cli
