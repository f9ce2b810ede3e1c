#include "Settings.h"

#include "platform/IniFile.h"
#include "platform/Paths.h"

#include <QCoreApplication>

namespace corvane::shell {

platform::IniFile settingsFileIn(const QString &profileFolder)
{
    return platform::IniFile(platform::joinPath(profileFolder, kSettingsFileName), platform::Access::Private);
}

Settings Settings::defaults(const QString &applicationFolder, const QString &dataFolder)
{
    const QString shipped = dataFolder.isEmpty() ? applicationFolder : dataFolder;
    Settings s;
    s.name = kUnknownName;
    s.myDest = kUnpickedInbox;
    s.addresses = applicationFolder;
    s.sentData = applicationFolder;
    s.inboxData = applicationFolder;
    s.mailSound = platform::joinPath(shipped, QStringLiteral("mail.wav"));
    s.mainDictionary = platform::joinPath(shipped, QStringLiteral("Corvane.dic"));
    s.customDictionary = platform::joinPath(applicationFolder, QStringLiteral("Custom.dic"));
    return s;
}

bool Settings::isComplete() const
{
    return !myDest.isEmpty() && !inboxData.isEmpty() && !addresses.isEmpty() && !name.isEmpty();
}

std::optional<SettingsRefusal> saveRefusal(const Settings &settings)
{
    const auto refused = [](SettingsRefusal::Field field, const QString &text) {
        return SettingsRefusal{field, {core::Notice::Code::SettingsRefused, core::Notice::Kind::Warning, text, true}};
    };
    const QString name = settings.name.trimmed();
    if (name.isEmpty() || name == kUnknownName)
        return refused(SettingsRefusal::Field::Name,
                       QCoreApplication::translate("Settings", "The settings were not saved: fill in \"Your Name\" "
                                                               "with the name others send you mail by."));
    // A cleared folder field becomes a lone separator when left.
    const QString inbox = settings.myDest.trimmed();
    if (inbox.isEmpty() || inbox == kUnpickedInbox || inbox == QString(platform::nativeSeparator()))
        return refused(SettingsRefusal::Field::OwnInbox,
                       QCoreApplication::translate("Settings", "The settings were not saved: fill in \"Your Inbox\" "
                                                               "with your folder on the shared drive."));
    return std::nullopt;
}

Settings readSettings(const platform::IniFile &file, const QString &applicationFolder, const QString &dataFolder)
{
    const Settings d = Settings::defaults(applicationFolder, dataFolder);
    Settings s;
    s.name = file.readString(keys::settings, keys::name, d.name);
    s.myDest = file.readString(keys::destination, keys::myDest, d.myDest);
    s.addresses = file.readString(keys::settings, keys::addresses, d.addresses);
    s.sentData = file.readString(keys::settings, keys::sentData, d.sentData);
    s.inboxData = file.readString(keys::settings, keys::inboxData, d.inboxData);
    s.selfServer = file.readBool(keys::settings, keys::selfServer, d.selfServer);
    s.autoCheck = file.readBool(keys::settings, keys::autoCheck, d.autoCheck);
    s.autoCheckTime = file.readInteger(keys::settings, keys::autoCheckTime, d.autoCheckTime);
    s.startupLocation = file.readInteger(keys::settings, keys::startupLocation, d.startupLocation);
    s.mailPopup = file.readBool(keys::settings, keys::mailPopup, d.mailPopup);
    s.mailSoundType = file.readInteger(keys::settings, keys::mailSoundType, d.mailSoundType);
    s.mailSound = file.readString(keys::settings, keys::mailSound, d.mailSound);
    s.desktopNotification = file.readBool(keys::settings, keys::desktopNotification, d.desktopNotification);
    s.mainDictionary = file.readString(keys::spelling, keys::mainDictionary, d.mainDictionary);
    s.customDictionary = file.readString(keys::spelling, keys::customDictionary, d.customDictionary);
    // Earlier versions saved the default with the separator doubled: the same file, named once.
    if (s.customDictionary == applicationFolder + platform::nativeSeparator() + QStringLiteral("Custom.dic"))
        s.customDictionary = d.customDictionary;
    s.maxSuggestions = file.readInteger(keys::spelling, keys::maxSuggestions, d.maxSuggestions);
    s.asYouType = file.readBool(keys::spelling, keys::asYouType, d.asYouType);
    return s;
}

void writeSettings(platform::IniFile &file, const Settings &s)
{
    file.writeString(keys::destination, keys::myDest, s.myDest);
    file.writeString(keys::settings, keys::name, s.name);
    file.writeString(keys::settings, keys::addresses, s.addresses);
    file.writeString(keys::settings, keys::sentData, s.sentData);
    file.writeString(keys::settings, keys::inboxData, s.inboxData);
    file.writeBool(keys::settings, keys::selfServer, s.selfServer);
    file.writeBool(keys::settings, keys::autoCheck, s.autoCheck);
    file.writeInteger(keys::settings, keys::autoCheckTime, s.autoCheckTime);
    file.writeInteger(keys::settings, keys::startupLocation, s.startupLocation);
    file.writeBool(keys::settings, keys::mailPopup, s.mailPopup);
    file.writeInteger(keys::settings, keys::mailSoundType, s.mailSoundType);
    file.writeString(keys::settings, keys::mailSound, s.mailSound);
    file.writeBool(keys::settings, keys::desktopNotification, s.desktopNotification);
    file.writeString(keys::spelling, keys::mainDictionary, s.mainDictionary);
    file.writeString(keys::spelling, keys::customDictionary, s.customDictionary);
    file.writeInteger(keys::spelling, keys::maxSuggestions, s.maxSuggestions);
    file.writeBool(keys::spelling, keys::asYouType, s.asYouType);
}

} // namespace corvane::shell
