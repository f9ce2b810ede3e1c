#include "CliInit.h"

#include "CliProfile.h"

#include "addressbook/AddressEditing.h"
#include "core/MessageFileNames.h"
#include "shell/Settings.h"

#include "platform/IniFile.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>

namespace corvane::cli {

namespace {

QString absoluteFolder(const QString &path)
{
    return platform::withTrailingSeparator(QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath())));
}

void makeFolder(const QString &folder, const QString &what)
{
    if (!platform::folderExists(folder) && !QDir().mkpath(folder))
        throw CliError(QStringLiteral("%1 %2 could not be created.").arg(what, folder));
}

} // namespace

int initProfile(const InitCommand &command, const QString &profileFolder, const QString &shippedFolder,
                QTextStream &out)
{
    const QString profile = absoluteFolder(profileFolder);
    const QString ini = platform::joinPath(profile, shell::kSettingsFileName);
    if (QFileInfo::exists(ini) && !command.force)
        throw CliError(QStringLiteral("%1 already exists; give --force to replace its settings.").arg(ini));

    shell::Settings settings = shell::Settings::defaults(profile, shippedFolder);
    settings.name = command.name.trimmed();
    settings.myDest = command.inbox.trimmed();
    // The same test as the settings pane's Save: nobody could send mail to a placeholder.
    if (const auto refusal = shell::saveRefusal(settings)) {
        throw CliError(refusal->field == shell::SettingsRefusal::Field::Name
                           ? QStringLiteral("--name \"%1\" is not a name: give the name others send you mail by.")
                                 .arg(command.name)
                           : QStringLiteral("--inbox \"%1\" is not a folder: give your folder on the shared drive.")
                                 .arg(command.inbox));
    }
    settings.myDest = absoluteFolder(settings.myDest);
    if (!core::canNameMessageFiles(settings.name))
        throw CliError(QStringLiteral("--name: %1.").arg(addressbook::nameCannotBeFileName(settings.name)));
    if (!platform::folderExists(settings.myDest))
        throw CliError(QStringLiteral("--inbox: the folder %1 does not exist.").arg(settings.myDest));

    makeFolder(profile, QStringLiteral("The profile folder"));
    if (command.data) {
        const QString data = absoluteFolder(*command.data);
        makeFolder(data, QStringLiteral("The data folder"));
        settings.addresses = data;
        settings.sentData = data;
        settings.inboxData = data;
    }
    platform::IniFile file(ini);
    file.checkReadable();
    shell::writeSettings(file, settings);
    out << QStringLiteral("Wrote %1\n").arg(ini);
    return 0;
}

} // namespace corvane::cli
