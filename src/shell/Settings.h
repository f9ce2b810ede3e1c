#pragma once

#include "core/Notice.h"

#include <QString>

#include <optional>

namespace corvane::platform {
class IniFile;
}

namespace corvane::shell {

// Section and key names of "main.ini".
namespace keys {
inline const QString settings = QStringLiteral("Settings");
inline const QString destination = QStringLiteral("Destination");
inline const QString spelling = QStringLiteral("Spelling");
inline const QString columns = QStringLiteral("Columns");

inline const QString name = QStringLiteral("Name");
inline const QString addresses = QStringLiteral("Addresses");
inline const QString sentData = QStringLiteral("Sent Data");
inline const QString inboxData = QStringLiteral("Inbox Data");
inline const QString selfServer = QStringLiteral("Self Server");
inline const QString autoCheck = QStringLiteral("Auto check");
inline const QString autoCheckTime = QStringLiteral("Auto Check Time");
inline const QString startupLocation = QStringLiteral("Startup Location");
inline const QString mailPopup = QStringLiteral("Mail Popup");
inline const QString mailSoundType = QStringLiteral("Mail Sound Type");
inline const QString mailSound = QStringLiteral("Mail Sound");
inline const QString desktopNotification = QStringLiteral("Desktop Notification");
inline const QString myDest = QStringLiteral("MyDest");
inline const QString mainDictionary = QStringLiteral("Main Dictionary");
inline const QString customDictionary = QStringLiteral("Custom Dictionary");
inline const QString maxSuggestions = QStringLiteral("Max Sugestions");
inline const QString asYouType = QStringLiteral("As You Type");
inline const QString enableSort = QStringLiteral("EnableSort");
} // namespace keys

inline const QString kSettingsFileName = QStringLiteral("main.ini");
inline const QString kUnpickedInbox = QStringLiteral("---pick a shared folder---");
inline const QString kUnknownName = QStringLiteral("Unknown");

// The user's settings: the values of the settings pane's fields. The pane edits them live; the
// rest of the program reads them from here, not from the file.
struct Settings
{
    QString name;
    QString myDest;
    QString addresses;
    QString sentData;
    QString inboxData;
    bool selfServer = false;
    bool autoCheck = false;
    int autoCheckTime = 10;
    int startupLocation = 3;
    bool mailPopup = false;
    int mailSoundType = 2;
    QString mailSound;
    bool desktopNotification = true; // also tell the desktop when the window is out of view
    QString mainDictionary;
    QString customDictionary;
    int maxSuggestions = 30;
    bool asYouType = true; // underline unknown words while the user types

    // The settings with every default, for a profile folder and the folder of the shipped files
    // (both ending in a separator; the same folder in a portable installation).
    static Settings defaults(const QString &applicationFolder, const QString &dataFolder = {});
    // The automatic check interval in milliseconds.
    int autoCheckIntervalMs() const { return autoCheckTime * 60000; }
    // Name, own inbox, inbox data and address folders are all filled in.
    bool isComplete() const;

    bool operator==(const Settings &) const = default;
};

// Why Save must not write the settings, and the field to fill: the name or the own inbox is
// empty or still holds what a fresh installation puts there, so nobody could send mail to it.
struct SettingsRefusal
{
    enum class Field { Name, OwnInbox };
    Field field;
    core::Notice notice;
};
std::optional<SettingsRefusal> saveRefusal(const Settings &settings);

// The profile's "main.ini", written as the user's alone.
platform::IniFile settingsFileIn(const QString &profileFolder);

// Reads "Settings", "Destination" and "Spelling" with their defaults.
Settings readSettings(const platform::IniFile &file, const QString &applicationFolder,
                      const QString &dataFolder = {});
// Writes them in the order the settings pane saves them. Throws WriteError; earlier keys stay written.
void writeSettings(platform::IniFile &file, const Settings &settings);

} // namespace corvane::shell
