#pragma once

#include "Privacy.h"
#include "ProgramFolders.h"
#include "Settings.h"
#include "Stores.h"

#include "platform/IniFile.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace corvane::shell {

// Which run of the start-up sequence: while the window is being created, or after Save.
enum class StartupRun { Creation, AfterSave };

// What the window must do after a run of the start-up sequence.
struct StartupOutcome
{
    bool ready = false;             // the stores are loaded and the program may work
    std::optional<int> startPage;   // the pane to open (first run only, 0..6)
    QString caption;                // the window caption with the version
    // Why "main.ini" could not be read, for the window to show; the file is then never written.
    QString settingsFileError;
    // Why stores were opened read-only (another copy holds them, or their folder cannot be written).
    QStringList readOnlyStores;
    // The profile's places that other users may read, named once a run (for the status bar).
    QString exposureWarning;
};

// The start-up sequence without widgets: reads "main.ini" into the live settings, applies the
// not-ready gate and loads the three stores. The window shows the outcome.
class Startup
{
public:
    // applicationFolder ends in the separator; "main.ini" and every default path are relative to it.
    // The data folder holds the shipped files that some defaults name.
    Startup(const ProgramFolders &folders, Stores &stores);

    // Throws IoError or XmlError when a store cannot be read or written; the steps before the
    // failing one have taken effect.
    StartupOutcome run(StartupRun run);

    // True when the own inbox, inbox data, address and Sent Items folders exist, the name is filled
    // in and the settings were complete when last computed. The caller beeps and shows the settings when not.
    bool okToStart() const;

    const QString &applicationFolder() const { return m_applicationFolder; }
    const QString &dataFolder() const { return m_dataFolder; }
    platform::IniFile &settingsFile() { return m_settingsFile; }
    const platform::IniFile &settingsFile() const { return m_settingsFile; }
    // The live settings: the settings pane edits these.
    Settings &settings() { return m_settings; }
    const Settings &settings() const { return m_settings; }
    bool storesLoaded() const { return m_storesLoaded; }

    static QString captionFor(const QString &versionText);

private:
    QString m_applicationFolder;
    QString m_dataFolder;
    platform::IniFile m_settingsFile;
    Stores &m_stores;
    Settings m_settings;
    bool m_settingsComplete = false;
    bool m_storesLoaded = false;
    ExposureWarnings m_exposure;
};

} // namespace corvane::shell
